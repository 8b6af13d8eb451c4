#include "shell/main_commands.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "project/project_commands.h"

namespace calvora {

MainCommands::MainCommands(ProjectState& state, ShellWindow& shell, UserDialogs& dialogs,
                           Progress& progress, RecentProjects& recent)
    : state_(state), shell_(shell), dialogs_(dialogs), progress_(progress), recent_(recent) {}

void MainCommands::New() {
  const std::string path = dialogs_.SaveFileName(NewProjectRequest());
  if (!path.empty() && shell_.CloseProjectWindows() &&
      CreateProject(state_, path, shell_, dialogs_)) {
    recent_.Update(path, dialogs_);
  }
}

void MainCommands::Open() {
  const std::string path = dialogs_.OpenFileName(OpenProjectRequest());
  if (!path.empty() && shell_.CloseProjectWindows() &&
      OpenExistingProject(state_, path, shell_, dialogs_)) {
    recent_.Update(path, dialogs_);
  }
}

void MainCommands::OpenRecent(std::size_t index) {
  if (index < recent_.Entries().size()) {
    // A copy: updating the list moves the entries.
    OpenPath(std::string(recent_.Entries()[index]));
  }
}

void MainCommands::OpenPath(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    dialogs_.Message("File Not found.");
    return;
  }
  if (shell_.CloseProjectWindows() && OpenExistingProject(state_, path, shell_, dialogs_)) {
    recent_.Update(path, dialogs_);
  }
}

bool MainCommands::MayEdit(WorkingFileKind kind) const {
  return !WorkingFileOf(state_, kind).FileName.empty();
}

void MainCommands::Run(const CommandEntry& command) {
  if (!CommandMayStart(command, state_, dialogs_)) {
    return;
  }
  try {
    command.run(state_, dialogs_, progress_);
  } catch (const std::exception& error) {
    progress_.Finish();
    dialogs_.Message(error.what());
  }
}

}  // namespace calvora
