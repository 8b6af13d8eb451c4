#pragma once
// Creating, opening and saving a project.

#include <string>

#include "project/project_state.h"
#include "project/shell_window.h"
#include "project/user_dialogs.h"

namespace calvora {

// The file dialog request of "New" (save) and "Open" (open).
FileDialogRequest NewProjectRequest();
FileDialogRequest OpenProjectRequest();

// Makes path the open project: caption, project file, "Properties". Reads nothing.
// Returns false after telling the person why when the file cannot serve as a project.
bool OpenProject(ProjectState& state, const std::string& path, ShellWindow& shell,
                 UserDialogs& dialogs);

// Writes a project file holding the record, through a scratch file renamed over path; false
// after a message (a text that does not fit, an error answered Cancel).
bool WriteProjectFile(const std::string& path, const ProjectRecord& project, UserDialogs& dialogs);

// "New" after the file dialog: writes the file, opens it, closes the previous project's working
// files, sets the new-project fields.
bool CreateProject(ProjectState& state, const std::string& path, ShellWindow& shell,
                   UserDialogs& dialogs);

// Opens the file and reads record 1, opening no working file.
bool OpenProjectRecord(ProjectState& state, const std::string& path, ShellWindow& shell,
                       UserDialogs& dialogs);

// "Open" after the file dialog: opens the file, reads record 1, opens the working files.
bool OpenExistingProject(ProjectState& state, const std::string& path, ShellWindow& shell,
                         UserDialogs& dialogs);

// Writes the project record to record 1; false after a refusal message (a text that does not fit).
bool SaveProjectRecord(ProjectState& state, UserDialogs& dialogs);

}  // namespace calvora
