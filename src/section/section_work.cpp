#include "section/section_work.h"

#include "section/section_messages.h"

namespace calvora {

void AssignSignedOffsets(std::vector<SectionPoint>& out, int side, const SideLine& line) {
  out.clear();
  out.reserve(line.size());
  for (const SectionPoint& p : line) {
    out.push_back({SignedOffset(side, p.x), p.y});
  }
}

SectionWork::SectionWork(const ProjectRecord& projectRecord, SectionResults& sectionResults,
                         SectionLines& lines)
    : project(projectRecord),
      results(sectionResults),
      ground(lines.ground),
      templ(lines.templ),
      joinedGround(lines.joinedGround),
      joinedDesign(lines.joinedDesign),
      joinedReference(lines.joinedReference),
      lineAbove(lines.lineAbove),
      envelope(lines.envelope),
      strippedSides(lines.strippedSides),
      walkScratch(lines.walk) {
  for (const int side : {-1, 1}) {
    ground[side].clear();
    templ[side].clear();
  }
  joinedGround.clear();
  joinedDesign.clear();
  joinedReference.clear();
  lineAbove.clear();
}

void SectionWork::Note(const std::string& text) {
  results.Messages.push_back(text);
}

void SectionWork::DataError() {
  Note(DataErrorMessage(results.Section, results.Record));
  results.DataErrorShown = true;
  throw SectionDataError{};
}

void SectionWork::FillDitchError() {
  Note(FillDitchErrorMessage(results.Section, results.Record));
  throw SectionDataError{};
}

}  // namespace calvora
