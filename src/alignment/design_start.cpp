#include "alignment/design_start.h"

#include "alignment/design_dialogue.h"
#include "alignment/table_lookup.h"
#include "project/prompt_output_file.h"
#include "project/working_files.h"

namespace calvora {

std::optional<DesignStart> StartDesign(const ProjectState& state, UserDialogs& dialogs,
                                       const std::string& tableName, const std::string& extension) {
  DesignStart start;
  const std::optional<double> speed = AskDesignSpeed(dialogs);
  if (!speed) {
    return std::nullopt;
  }
  start.speed = *speed;
  start.tableValue = TableLookup(state.AppDir, tableName, start.speed, dialogs);
  start.output = PromptOutputFile(state.Align.File->Path().string(), extension, dialogs,
                                  ProjectFilesOf(state));
  if (start.output.empty()) {
    return std::nullopt;
  }
  return start;
}

}  // namespace calvora
