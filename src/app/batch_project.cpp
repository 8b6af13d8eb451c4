#include "app/batch_project.h"

#include "shell/project_commands.h"
#include "shell/shell_window.h"

namespace calvora {

bool OpenProjectForBatch(ProjectState& state, const std::string& projectPath,
                         const BatchContext& context, UserDialogs& dialogs) {
  state.AppDir = context.programDir;
  NoShellWindow window;
  return OpenExistingProject(state, projectPath, window, dialogs);
}

}  // namespace calvora
