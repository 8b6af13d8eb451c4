#include "records/project_settings_check.h"
#include "shell/command_table.h"

namespace calvora {

namespace {

const char* NotLoadedMessage(WorkingFileKind kind) {
  switch (kind) {
    case WorkingFileKind::Data:
      return "Data file not loaded.";
    case WorkingFileKind::Variant:
      return "Variant file not loaded.";
    case WorkingFileKind::Alignment:
      break;
  }
  return "Alignment file not loaded.";
}

}  // namespace

bool CommandMayStart(const CommandEntry& command, const ProjectState& state, UserDialogs& dialogs) {
  for (const FileNeed& need : command.needs) {
    const WorkingFile& file = WorkingFileOf(state, need.kind);
    if (!file.Loaded() || (need.withRecords && file.Count() == 0)) {
      dialogs.Message(NotLoadedMessage(need.kind));
      return false;
    }
  }
  if (command.readsSettings) {
    if (const auto problem = ProjectSettingsProblem(state.Project)) {
      dialogs.Message(*problem);
      return false;
    }
  }
  return true;
}

}  // namespace calvora
