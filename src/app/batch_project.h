#pragma once
// Opening a project for a batch command: the same path as the GUI's "Open", no window.

#include <string>

#include "app/batch_command.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

// Opens the project and its working files; false (after the message) when it cannot.
bool OpenProjectForBatch(ProjectState& state, const std::string& projectPath,
                         const BatchContext& context, UserDialogs& dialogs);

}  // namespace calvora
