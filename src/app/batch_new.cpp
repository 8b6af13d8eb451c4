// calvora new P.PRJ [--data F.DAT] [--variants F.VAR] [--alignment F.CRV] [--yes]: creates the
// project as "New" does; the file options then name the working files as the properties
// dialog's OK does.

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/batch_commands_list.h"
#include "records/windows1252.h"
#include "app/batch_dialogs.h"
#include "project/file_names.h"
#include "project/project_commands.h"
#include "project/working_files.h"

namespace calvora {

namespace {

namespace fs = std::filesystem;

struct NamedFile {
  WorkingFileKind kind;
  std::string name;  // as stored in the project record
};

// The full path, as the properties dialog's file selection gives it; a name from another
// system stays as written.
std::string StoredForm(const std::string& option) {
  if (LooksForeign(option)) {
    return option;
  }
  std::error_code ec;
  const fs::path absolute = fs::absolute(option, ec);
  return ec ? option : absolute.lexically_normal().string();
}

class NewCommand : public BatchCommand {
 public:
  std::string Name() const override { return "new"; }
  std::string Description() const override {
    return "Create a project as \"New\" does, optionally naming its working files";
  }
  void Configure(CLI::App& sub) override {
    sub.add_option("project", projectPath_, "The project file to create (.PRJ)")->required();
    sub.add_option("--data", options_[0], "Survey data file (.DAT)");
    sub.add_option("--variants", options_[1], "Typical cross-section file (.VAR)");
    sub.add_option("--alignment", options_[2], "Alignment file (.CRV)");
    sub.add_flag("--yes", yes_,
                 "Answer Yes: replace an existing project file, create missing working files");
  }

  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    dialogs.AnswerYes(yes_);
    dialogs.AnswerSaveFile(projectPath_);
    const std::string path = dialogs.SaveFileName(NewProjectRequest());
    const std::vector<NamedFile> files = NamedFiles();
    if (!Acceptable(files, path, dialogs)) {
      return kBatchFailed;
    }
    ProjectState state;
    state.AppDir = context.programDir;
    NoShellWindow window;
    if (!CreateProject(state, path, window, dialogs)) {
      return kBatchFailed;
    }
    if (files.empty()) {
      return kBatchOk;
    }
    for (const NamedFile& file : files) {
      StoredNameOf(state.Project, file.kind) = file.name;
    }
    if (!SaveProjectRecord(state, dialogs)) {
      return kBatchFailed;
    }
    OpenWorkingFiles(state, dialogs);
    for (const NamedFile& file : files) {
      if (!WorkingFileOf(state, file.kind).Loaded()) {
        return kBatchFailed;
      }
    }
    return kBatchOk;
  }

 private:
  std::vector<NamedFile> NamedFiles() const {
    std::vector<NamedFile> files;
    for (std::size_t i = 0; i < options_.size(); ++i) {
      if (options_[i]) {
        files.push_back({kWorkingFileKinds[i], StoredForm(*options_[i])});
      }
    }
    return files;
  }

  // Checks made before anything is written: names that fit the record, no file named twice,
  // and a Yes for every missing file (without --yes the question stops the command).
  static bool Acceptable(const std::vector<NamedFile>& files, const std::string& projectPath,
                         BatchDialogs& dialogs) {
    ProjectRecord trial;
    std::vector<std::uint8_t> bytes(ProjectRecord::kLength);
    for (const NamedFile& file : files) {
      StoredNameOf(trial, file.kind) = file.name;
    }
    try {
      EncodeRecord(trial, bytes);
    } catch (const EncodingError& error) {
      dialogs.Message(error.what());
      return false;
    }
    std::error_code ec;
    std::vector<fs::path> taken{fs::weakly_canonical(fs::absolute(projectPath, ec), ec)};
    for (const NamedFile& file : files) {
      const fs::path resolved = ResolveWorkingFilePath(file.name, taken.front().string());
      const fs::path canonical = fs::weakly_canonical(resolved, ec);
      if (std::find(taken.begin(), taken.end(), canonical) != taken.end()) {
        dialogs.Message("The file " + resolved.string() +
                        " is named twice: the project and each working file need files of "
                        "their own.");
        return false;
      }
      taken.push_back(canonical);
      if (!fs::exists(resolved, ec)) {
        dialogs.YesNo(NotFoundQuestion(file.kind));
      }
    }
    return true;
  }

  std::string projectPath_;
  std::array<std::optional<std::string>, 3> options_;  // in the order of kWorkingFileKinds
  bool yes_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeNewCommand() { return std::make_unique<NewCommand>(); }

}  // namespace calvora
