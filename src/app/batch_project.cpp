#include "app/batch_project.h"

#include "project/project_commands.h"
#include "project/shell_window.h"

namespace calvora {

bool OpenProjectForBatch(ProjectState& state, const std::string& projectPath,
                         const BatchContext& context, UserDialogs& dialogs,
                         const std::vector<WorkingFileKind>& kinds) {
  state.AppDir = context.programDir;
  state.Access = FileAccess::ReadOnly;
  NoShellWindow window;
  return OpenProjectRecord(state, projectPath, window, dialogs) &&
         OpenWorkingFilesOf(state, kinds, dialogs);
}

bool OpenProjectForBatch(ProjectState& state, const std::string& projectPath,
                         const BatchContext& context, UserDialogs& dialogs,
                         const CommandEntry& command) {
  std::vector<WorkingFileKind> kinds;
  for (const FileNeed& need : command.needs) {
    kinds.push_back(need.kind);
  }
  return OpenProjectForBatch(state, projectPath, context, dialogs, kinds) &&
         CommandMayStart(command, state, dialogs);
}

bool OpenWorkingFileIfNamed(ProjectState& state, WorkingFileKind kind, UserDialogs& dialogs) {
  const std::string& name = StoredNameOf(state.Project, kind);
  return name.find_first_not_of(' ') == std::string::npos ||
         OpenWorkingFilesOf(state, {kind}, dialogs);
}

}  // namespace calvora
