#include "project/working_files.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "project/file_names.h"

namespace calvora {

namespace fs = std::filesystem;

namespace {

struct KindInfo {
  std::size_t recordLength;
  const char* notFound;
  const char* word;
};

KindInfo InfoOf(WorkingFileKind kind) {
  switch (kind) {
    case WorkingFileKind::Data:
      return {SectionRecord::kLength, "Data file not found.Create New ?", "data file"};
    case WorkingFileKind::Variant:
      return {VariantRecord::kLength, "Variant file not found.Create New ?", "variant file"};
    case WorkingFileKind::Alignment:
      break;
  }
  return {AlignmentRecord::kLength, "Alignment file not found.Create New ?", "alignment file"};
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

fs::path ProjectFolder(const std::string& projectPath) {
  const fs::path folder = fs::path(projectPath).parent_path();
  return folder.empty() ? fs::current_path() : folder;
}

// The file of that name in folder: the exact name first, else the first (by name) that matches
// without regard to case.
std::optional<fs::path> FindIgnoringCase(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  if (name.empty()) {
    return std::nullopt;
  }
  if (fs::is_regular_file(folder / name, ec)) {
    return folder / name;
  }
  const std::string wanted = Lower(name);
  std::optional<fs::path> found;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec) && Lower(it->path().filename().string()) == wanted &&
        (!found || it->path() < *found)) {
      found = it->path();
    }
  }
  return found;
}

}  // namespace

const WorkingFile& WorkingFileOf(const ProjectState& state, WorkingFileKind kind) {
  switch (kind) {
    case WorkingFileKind::Data:
      return state.Data;
    case WorkingFileKind::Variant:
      return state.Var;
    case WorkingFileKind::Alignment:
      break;
  }
  return state.Align;
}

WorkingFile& WorkingFileOf(ProjectState& state, WorkingFileKind kind) {
  return const_cast<WorkingFile&>(WorkingFileOf(std::as_const(state), kind));
}

const std::string& StoredNameOf(const ProjectRecord& project, WorkingFileKind kind) {
  switch (kind) {
    case WorkingFileKind::Data:
      return project.DataFile;
    case WorkingFileKind::Variant:
      return project.VariantFile;
    case WorkingFileKind::Alignment:
      break;
  }
  return project.AlignFile;
}

std::string& StoredNameOf(ProjectRecord& project, WorkingFileKind kind) {
  return const_cast<std::string&>(StoredNameOf(std::as_const(project), kind));
}

std::size_t RecordLengthOf(WorkingFileKind kind) {
  return InfoOf(kind).recordLength;
}

std::string NotFoundQuestion(WorkingFileKind kind) {
  return InfoOf(kind).notFound;
}

std::optional<std::string> OpenFileKindAt(const ProjectState& state, const fs::path& path) {
  if (state.ProjectFile && SameFile(state.ProjectFile->Path(), path)) {
    return "project file";
  }
  for (const auto kind : kWorkingFileKinds) {
    const WorkingFile& file = WorkingFileOf(state, kind);
    if (file.Loaded() && SameFile(file.File->Path(), path)) {
      return InfoOf(kind).word;
    }
  }
  return std::nullopt;
}

fs::path ResolveWorkingFilePath(const std::string& storedName, const std::string& projectPath) {
  const fs::path folder = ProjectFolder(projectPath);
  const bool foreign = LooksForeign(storedName);
  const fs::path asWritten = foreign ? fs::path() : folder / storedName;  // absolute stays so
  std::error_code ec;
  if (!foreign && fs::exists(asWritten, ec)) {
    return asWritten;
  }
  if (!foreign && fs::path(storedName).is_relative()) {
    return FindIgnoringCase(asWritten.parent_path(), asWritten.filename().string())
        .value_or(asWritten);
  }
  const std::string name = FileNameOf(storedName);
  if (auto beside = FindIgnoringCase(folder, name)) {
    return *beside;
  }
  // A new file goes where it was named only when that folder exists on this system.
  if (!foreign && fs::is_directory(asWritten.parent_path(), ec)) {
    return asWritten;
  }
  return folder / name;
}

void OpenWorkingFile(ProjectState& state, WorkingFileKind kind, UserDialogs& dialogs) {
  WorkingFile& file = WorkingFileOf(state, kind);
  if (file.FileName.empty()) {
    return;
  }
  file.File.reset();
  file.Current = 0;
  const KindInfo info = InfoOf(kind);
  if (HoldsControlCharacters(file.FileName)) {
    dialogs.Message("The name of the " + std::string(info.word) +
                    " in the project holds control characters (a damaged project file?): the "
                    "file was not opened.");
    file.FileName.clear();
    return;
  }
  const fs::path path = ResolveWorkingFilePath(file.FileName, state.ProjectPath);
  // This kind is closed now: a file still open is another kind's (or the project file).
  if (const auto other = OpenFileKindAt(state, path)) {
    dialogs.Message("The " + std::string(info.word) + " " + path.string() +
                    " is already open as the " + *other + " of this project. Choose another file.");
    file.FileName.clear();
    return;
  }
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    if (state.Access == FileAccess::ReadOnly) {
      dialogs.Message("The " + std::string(info.word) + " " + path.string() + " does not exist.");
      file.FileName.clear();
      return;
    }
    if (!dialogs.YesNo(QuestionId::CreateMissingFile, info.notFound)) {
      file.FileName.clear();
      return;
    }
  }
  while (true) {
    try {
      file.File.emplace(path, info.recordLength, state.Access);
      file.Current = 1;
      return;
    } catch (const TooManyRecordsError&) {
      dialogs.Message("The " + std::string(info.word) + " " + path.string() +
                      " holds more than 32,767 records and cannot be opened. It was left as it "
                      "is.");
      file.FileName.clear();
      return;
    } catch (const FileError& error) {
      if (!dialogs.RetryCancel(error.what())) {
        file.FileName.clear();
        return;
      }
    }
  }
}

void OpenWorkingFiles(ProjectState& state, UserDialogs& dialogs) {
  std::vector<WorkingFileKind> changed;
  for (const auto kind : kWorkingFileKinds) {
    std::string& stored = StoredNameOf(state.Project, kind);
    stored = TrimBlanks(stored);
    WorkingFile& file = WorkingFileOf(state, kind);
    if (stored != file.FileName) {
      changed.push_back(kind);
      // Closed before any is opened, so names swapped between kinds are no clash.
      if (!stored.empty()) {
        file.File.reset();
      }
    }
  }
  for (const auto kind : changed) {
    WorkingFileOf(state, kind).FileName = StoredNameOf(state.Project, kind);
    OpenWorkingFile(state, kind, dialogs);
  }
}

bool OpenWorkingFilesOf(ProjectState& state, const std::vector<WorkingFileKind>& kinds,
                        UserDialogs& dialogs) {
  bool all = true;
  for (const auto kind : kinds) {
    std::string& stored = StoredNameOf(state.Project, kind);
    stored = TrimBlanks(stored);
    WorkingFile& file = WorkingFileOf(state, kind);
    file.FileName = stored;
    if (stored.empty()) {
      dialogs.Message("The project names no " + std::string(InfoOf(kind).word) + ".");
      all = false;
      continue;
    }
    OpenWorkingFile(state, kind, dialogs);
    all = all && file.Loaded();
  }
  return all;
}

void CloseWorkingFiles(ProjectState& state) {
  for (const auto kind : kWorkingFileKinds) {
    WorkingFile& file = WorkingFileOf(state, kind);
    file.File.reset();
    file.FileName.clear();
    file.Current = 0;
  }
}

std::vector<ReservedFile> ProjectFilesOf(const ProjectState& state) {
  std::vector<ReservedFile> files;
  if (state.ProjectOpen()) {
    files.push_back({state.ProjectPath, "project file"});
  }
  for (const auto kind : kWorkingFileKinds) {
    const WorkingFile& file = WorkingFileOf(state, kind);
    const std::string role = std::string(InfoOf(kind).word) + " of the project";
    if (file.Loaded()) {
      files.push_back({file.File->Path(), role});
    }
    const std::string stored = TrimBlanks(StoredNameOf(state.Project, kind));
    if (!stored.empty() && state.ProjectOpen()) {
      files.push_back({ResolveWorkingFilePath(stored, state.ProjectPath), role});
    }
  }
  return files;
}

}  // namespace calvora
