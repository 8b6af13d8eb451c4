#include "shell/working_files.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "shell/file_names.h"

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

fs::path ProjectFolder(const std::string& projectPath) {
  const fs::path folder = fs::path(projectPath).parent_path();
  return folder.empty() ? fs::current_path() : folder;
}

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  const bool same = fs::equivalent(a, b, ec);
  return !ec && same;
}

// The other loaded kinds whose open file is the one at path.
const char* KindNamingSameFile(ProjectState& state, WorkingFileKind kind, const fs::path& path) {
  for (const auto other :
       {WorkingFileKind::Data, WorkingFileKind::Variant, WorkingFileKind::Alignment}) {
    if (other == kind) {
      continue;
    }
    const WorkingFile& file = WorkingFileOf(state, other);
    if (file.Loaded() && SameFile(file.File->Path(), path)) {
      return InfoOf(other).word;
    }
  }
  return nullptr;
}

}  // namespace

WorkingFile& WorkingFileOf(ProjectState& state, WorkingFileKind kind) {
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

std::size_t RecordLengthOf(WorkingFileKind kind) { return InfoOf(kind).recordLength; }

fs::path ResolveWorkingFilePath(const std::string& storedName, const std::string& projectPath) {
  const bool foreign = LooksForeign(storedName);
  const fs::path asWritten(storedName);
  std::error_code ec;
  if (!foreign && asWritten.is_absolute() && fs::exists(asWritten, ec)) {
    return asWritten;
  }
  const fs::path folder = ProjectFolder(projectPath);
  if (!foreign && asWritten.is_relative() && fs::exists(folder / asWritten, ec)) {
    return folder / asWritten;
  }
  const std::string name = FileNameOf(storedName);
  const std::string wanted = Lower(name);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec) && Lower(it->path().filename().string()) == wanted) {
      return it->path();
    }
  }
  if (!foreign && asWritten.is_absolute()) {
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
  const fs::path path = ResolveWorkingFilePath(file.FileName, state.ProjectPath);
  std::error_code ec;
  if (!fs::exists(path, ec) && !dialogs.YesNo(info.notFound)) {
    file.FileName.clear();
    return;
  }
  if (fs::exists(path, ec)) {
    if (const char* other = KindNamingSameFile(state, kind, path)) {
      dialogs.Message("The " + std::string(info.word) + " " + path.string() +
                      " is already open as the " + other +
                      " of this project. Choose another file.");
      file.FileName.clear();
      return;
    }
  }
  while (true) {
    try {
      file.File.emplace(path, info.recordLength);
      file.Current = 1;
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
  struct Field {
    std::string& stored;
    WorkingFileKind kind;
  };
  for (Field field : {Field{state.Project.DataFile, WorkingFileKind::Data},
                      Field{state.Project.VariantFile, WorkingFileKind::Variant},
                      Field{state.Project.AlignFile, WorkingFileKind::Alignment}}) {
    const auto first = field.stored.find_first_not_of(' ');
    field.stored = first == std::string::npos
                       ? std::string()
                       : field.stored.substr(first, field.stored.find_last_not_of(' ') - first + 1);
    WorkingFile& file = WorkingFileOf(state, field.kind);
    if (field.stored != file.FileName) {
      file.FileName = field.stored;
      OpenWorkingFile(state, field.kind, dialogs);
    }
  }
}

}  // namespace calvora
