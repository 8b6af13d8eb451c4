#include "alignment/landxml_import.h"

#include <algorithm>
#include <cstdint>
#include <pugixml.hpp>
#include <span>
#include <vector>

#include "alignment/design_file.h"
#include "alignment/landxml_alignment_reader.h"
#include "project/scratch_output.h"

namespace calvora {

namespace {

constexpr const char* kTitle = "Import LandXML";

std::string NamesOf(const std::vector<pugi::xml_node>& alignments) {
  std::string names;
  for (const pugi::xml_node& alignment : alignments) {
    names += (names.empty() ? "" : ", ") + std::string(alignment.attribute("name").value());
  }
  return names;
}

}  // namespace

CommandResult ImportLandXml::Run(ProjectState& state, UserDialogs& dialogs, Progress&) {
  imported_.clear();
  unnamed_.clear();
  const std::string path = dialogs.OpenFileName(
      {kTitle, "LandXML Files (*.xml)|*.xml|All Files (*.*)|*.*", "", true, false, {}});
  if (path.empty()) {
    return CommandResult::Stopped;
  }
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_file(path.c_str());
  if (!parsed) {
    dialogs.Message(path + " is no well-formed XML (" + parsed.description() + " at byte " +
                    std::to_string(parsed.offset) + ").");
    return CommandResult::Stopped;
  }
  if (const std::string defect = LandXmlDocumentDefect(document); !defect.empty()) {
    dialogs.Message(defect);
    return CommandResult::Stopped;
  }
  const std::vector<pugi::xml_node> alignments = LandXmlAlignments(document);
  if (alignments.empty()) {
    dialogs.Message(path + " holds no alignment.");
    return CommandResult::Stopped;
  }
  pugi::xml_node chosen = alignments.front();
  if (alignments.size() > 1) {
    const std::string name =
        dialogs.InputBox({QuestionId::AlignmentName},
                         "The file holds several alignments: " + NamesOf(alignments) +
                             ".\rName of the alignment to import:",
                         kTitle, chosen.attribute("name").value());
    if (name.empty()) {
      unnamed_ = "the file holds several alignments (" + NamesOf(alignments) + "); name one.";
      return CommandResult::Stopped;
    }
    const auto named = std::find_if(alignments.begin(), alignments.end(), [&](pugi::xml_node a) {
      return name == a.attribute("name").value();
    });
    if (named == alignments.end()) {
      dialogs.Message(path + " holds no alignment named " + name + ".");
      return CommandResult::Stopped;
    }
    chosen = *named;
  }
  const auto read = ReadLandXmlAlignment(chosen);
  if (const auto* refusal = std::get_if<std::string>(&read)) {
    dialogs.Message(*refusal + " Nothing was imported.");
    return CommandResult::Stopped;
  }
  const auto& records = std::get<std::vector<AlignmentRecord>>(read);
  if (state.Align.Count() > 0 &&
      !dialogs.YesNo(QuestionId::ChangeFile, "The alignment file " +
                                                 state.Align.File->Path().string() +
                                                 " will be replaced. Continue ?")) {
    return CommandResult::Stopped;
  }
  DesignFile file;
  for (const AlignmentRecord& record : records) {
    file.WriteRecord(record);
  }
  const std::string bytes = file.Bytes();
  const bool written = RunRetryingFileErrors(dialogs, [&] {
    state.Align.File->Replace(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  });
  if (!written) {
    return CommandResult::Stopped;
  }
  state.Align.Current = state.Align.Count() > 0 ? 1 : 0;
  imported_ = chosen.attribute("name").value();
  return CommandResult::Done;
}

}  // namespace calvora
