#pragma once
// The main window's commands without the window: creating and opening projects, the recent
// list, and the tests that stand in front of the editors, the drawing and the computations.

#include <cstddef>
#include <string>

#include "project/progress.h"
#include "project/project_state.h"
#include "project/shell_window.h"
#include "project/user_dialogs.h"
#include "project/working_files.h"
#include "shell/command_table.h"
#include "shell/recent_projects.h"

namespace calvora {

class MainCommands {
 public:
  MainCommands(ProjectState& state, ShellWindow& shell, UserDialogs& dialogs, Progress& progress,
               RecentProjects& recent);

  // "New" and "Open": the file dialog, then the project; the recent list on success.
  void New();
  void Open();
  // A recent entry (0 = newest) or a path from the command line: "File Not found." when gone.
  void OpenRecent(std::size_t index);
  void OpenPath(const std::string& path);

  // The editors open only when their file is loaded; nothing is said otherwise.
  bool MayEdit(WorkingFileKind kind) const;
  // The properties dialog opens only while a project is open.
  bool MayShowProperties() const { return state_.ProjectOpen(); }
  // Whether what the command needs is there; says what is missing.
  bool MayStart(CommandId id) { return CommandMayStart(Command(id), state_, dialogs_); }

  // Runs the command when what it needs is there. An error escaping it is shown rather than
  // carried into the window system.
  void Run(const CommandEntry& command);

 private:
  ProjectState& state_;
  ShellWindow& shell_;
  UserDialogs& dialogs_;
  Progress& progress_;
  RecentProjects& recent_;
};

}  // namespace calvora
