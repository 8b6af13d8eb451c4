#include "project/project_commands.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "records/windows1252.h"
#include "project/file_names.h"
#include "project/working_files.h"

namespace calvora {

namespace {

constexpr const char* kProjectFilter = "Project Files (*.PRJ)|*.PRJ";

}  // namespace

FileDialogRequest NewProjectRequest() {
  FileDialogRequest request;
  request.title = "Select Project File";
  request.filter = kProjectFilter;
  request.confirmOverwrite = true;
  return request;
}

FileDialogRequest OpenProjectRequest() {
  FileDialogRequest request;
  request.title = "Select Project File";
  request.filter = kProjectFilter;
  request.mustExist = true;
  return request;
}

bool OpenProject(ProjectState& state, const std::string& path, ShellWindow& shell,
                 UserDialogs& dialogs, bool creating) {
  std::error_code ec;
  if (!creating && !std::filesystem::exists(path, ec)) {
    dialogs.Message("The project file " + path + " does not exist.");
    return false;
  }
  if (const auto role = OpenFileKindAt(state, path); role && *role != "project file") {
    dialogs.Message("The file " + path + " is open as the " + *role +
                    " of the open project. Choose another file.");
    return false;
  }
  const std::string notAProject = "The file " + path +
                                  " is not a project file (one record of 728 bytes). It was left "
                                  "unchanged.";
  std::optional<RecordFile> file;
  while (!file) {
    try {
      file.emplace(path, ProjectRecord::kLength);
    } catch (const TooManyRecordsError&) {
      dialogs.Message(notAProject);
      return false;
    } catch (const FileError& error) {
      if (!dialogs.RetryCancel(error.what())) {
        return false;
      }
    }
  }
  if (!creating && file->Count() < 1) {
    dialogs.Message(notAProject);
    return false;
  }
  const auto absolute = std::filesystem::absolute(path, ec);
  state.ProjectPath = ec ? path : absolute.lexically_normal().string();
  state.ProjectFile = std::move(file);
  shell.SetCaption("Calvora - [" + FileNameOf(path) + "]");
  shell.EnableProperties(true);
  return true;
}

bool CreateProject(ProjectState& state, const std::string& path, ShellWindow& shell,
                   UserDialogs& dialogs) {
  if (!OpenProject(state, path, shell, dialogs, true)) {
    return false;
  }
  InitialiseNewProject(state.Project);
  return SaveProjectRecord(state, dialogs);
}

bool OpenExistingProject(ProjectState& state, const std::string& path, ShellWindow& shell,
                         UserDialogs& dialogs) {
  if (!OpenProject(state, path, shell, dialogs, false)) {
    return false;
  }
  while (true) {
    try {
      state.Project = ReadRecord<ProjectRecord>(*state.ProjectFile, 1);
      break;
    } catch (const FileError& error) {
      if (!dialogs.RetryCancel(error.what())) {
        return false;
      }
    }
  }
  OpenWorkingFiles(state, dialogs);
  return true;
}

bool SaveProjectRecord(ProjectState& state, UserDialogs& dialogs) {
  if (!state.ProjectFile) {
    return false;
  }
  std::vector<std::uint8_t> bytes(ProjectRecord::kLength);
  try {
    EncodeRecord(state.Project, bytes);
  } catch (const EncodingError& error) {
    dialogs.Message(error.what());
    return false;
  }
  while (true) {
    try {
      state.ProjectFile->Write(1, bytes);
      return true;
    } catch (const FileError& error) {
      if (!dialogs.RetryCancel(error.what())) {
        return false;
      }
    }
  }
}

}  // namespace calvora
