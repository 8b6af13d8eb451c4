#include "app/batch_project.h"

#include "project/project_commands.h"
#include "project/shell_window.h"

namespace calvora {

bool OpenProjectForBatch(ProjectState& state, const std::string& projectPath,
                         const BatchContext& context, UserDialogs& dialogs) {
  state.AppDir = context.programDir;
  NoShellWindow window;
  return OpenExistingProject(state, projectPath, window, dialogs);
}

}  // namespace calvora
