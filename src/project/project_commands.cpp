#include "project/project_commands.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "project/file_names.h"
#include "project/scratch_output.h"
#include "project/working_files.h"
#include "records/windows1252.h"

namespace calvora {

namespace {

FileDialogRequest ProjectFileRequest() {
  FileDialogRequest request;
  request.title = "Select Project File";
  request.filter = "Project Files (*.PRJ)|*.PRJ";
  return request;
}

}  // namespace

FileDialogRequest NewProjectRequest() {
  FileDialogRequest request = ProjectFileRequest();
  request.confirmOverwrite = true;
  return request;
}

FileDialogRequest OpenProjectRequest() {
  FileDialogRequest request = ProjectFileRequest();
  request.mustExist = true;
  return request;
}

namespace {

// A working file of the open project cannot become a project file.
bool RefusedAsProject(const ProjectState& state, const std::string& path, UserDialogs& dialogs) {
  if (const auto role = OpenFileKindAt(state, path); role && *role != "project file") {
    dialogs.Message("The file " + path + " is open as the " + *role +
                    " of the open project. Choose another file.");
    return true;
  }
  return false;
}

}  // namespace

bool WriteProjectFile(const std::string& path, const ProjectRecord& project, UserDialogs& dialogs) {
  std::string bytes(ProjectRecord::kLength, '\0');
  try {
    EncodeRecord(project, std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(bytes.data()),
                                                  bytes.size()));
  } catch (const EncodingError& error) {
    dialogs.Message(error.what());
    return false;
  }
  return RunRetryingFileErrors(dialogs, [&] { WriteFileAtomically(path, bytes); });
}

bool OpenProject(ProjectState& state, const std::string& path, ShellWindow& shell,
                 UserDialogs& dialogs) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    dialogs.Message("The project file " + path + " does not exist.");
    return false;
  }
  if (RefusedAsProject(state, path, dialogs)) {
    return false;
  }
  const std::string notAProject = "The file " + path +
                                  " is not a project file (one record of 728 bytes). It was left "
                                  "unchanged.";
  std::optional<RecordFile> file;
  while (!file) {
    try {
      file.emplace(path, ProjectRecord::kLength, state.Access);
    } catch (const TooManyRecordsError&) {
      dialogs.Message(notAProject);
      return false;
    } catch (const FileError& error) {
      if (!dialogs.RetryCancel(error.what())) {
        return false;
      }
    }
  }
  if (file->Count() < 1) {
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
  if (RefusedAsProject(state, path, dialogs)) {
    return false;
  }
  ProjectRecord project = state.Project;
  InitialiseNewProject(project);
  // Written whole: a file replaced is exactly one record long.
  if (!WriteProjectFile(path, project, dialogs) || !OpenProject(state, path, shell, dialogs)) {
    return false;
  }
  // The previous project's working files are not this project's.
  CloseWorkingFiles(state);
  state.Project = project;
  return true;
}

bool OpenProjectRecord(ProjectState& state, const std::string& path, ShellWindow& shell,
                       UserDialogs& dialogs) {
  if (!OpenProject(state, path, shell, dialogs)) {
    return false;
  }
  return RunRetryingFileErrors(
      dialogs, [&] { state.Project = ReadRecord<ProjectRecord>(*state.ProjectFile, 1); });
}

bool OpenExistingProject(ProjectState& state, const std::string& path, ShellWindow& shell,
                         UserDialogs& dialogs) {
  if (!OpenProjectRecord(state, path, shell, dialogs)) {
    return false;
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
  return RunRetryingFileErrors(dialogs, [&] { state.ProjectFile->Write(1, bytes); });
}

}  // namespace calvora
