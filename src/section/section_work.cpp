#include "section/section_work.h"

#include "section/section_messages.h"

namespace calvora {

std::vector<SectionPoint> SignedOffsets(int side, const SideLine& line) {
  std::vector<SectionPoint> points;
  points.reserve(line.size());
  for (const SectionPoint& p : line) {
    points.push_back({SignedOffset(side, p.x), p.y});
  }
  return points;
}

void SectionWork::Show(const std::string& text) {
  results.Messages.push_back(text);
  dialogs.Message(text);
}

void SectionWork::DataError() {
  Show(DataErrorMessage(results.Section, results.Record));
  results.DataErrorShown = true;
  throw SectionDataError{};
}

void SectionWork::FillDitchError() {
  Show(FillDitchErrorMessage(results.Section, results.Record));
  throw SectionDataError{};
}

}  // namespace calvora
