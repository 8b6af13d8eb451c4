#pragma once
// Opening a project for a batch command: the project file and the working files the command
// needs, for reading only; nothing is created.

#include <string>
#include <vector>

#include "app/batch_command.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "project/working_files.h"
#include "shell/command_table.h"

namespace calvora {

// Opens the project and the working files of the given kinds; false (after the message) when
// one of them cannot be opened.
bool OpenProjectForBatch(ProjectState& state, const std::string& projectPath,
                         const BatchContext& context, UserDialogs& dialogs,
                         const std::vector<WorkingFileKind>& kinds);

// Opens the project and the working files the command needs; false (after the message) when
// one cannot be opened or what the command needs is not there.
bool OpenProjectForBatch(ProjectState& state, const std::string& projectPath,
                         const BatchContext& context, UserDialogs& dialogs,
                         const CommandEntry& command);

// Opens a working file the drawing shows when the project names one; true when it names none.
bool OpenWorkingFileIfNamed(ProjectState& state, WorkingFileKind kind, UserDialogs& dialogs);

}  // namespace calvora
