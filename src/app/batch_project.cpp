#include "app/batch_project.h"

#include "project/project_commands.h"
#include "project/shell_window.h"
#include "records/project_settings_check.h"

namespace calvora {

bool OpenProjectForBatch(ProjectState& state, const std::string& projectPath,
                         const BatchContext& context, UserDialogs& dialogs,
                         const std::vector<WorkingFileKind>& needed) {
  state.AppDir = context.programDir;
  state.Access = FileAccess::ReadOnly;
  NoShellWindow window;
  return OpenProjectRecord(state, projectPath, window, dialogs) &&
         OpenWorkingFilesOf(state, needed, dialogs);
}

bool ProjectSettingsUsable(const ProjectState& state, UserDialogs& dialogs) {
  if (const auto problem = ProjectSettingsProblem(state.Project)) {
    dialogs.Message(*problem);
    return false;
  }
  return true;
}

}  // namespace calvora
