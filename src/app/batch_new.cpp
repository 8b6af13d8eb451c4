// calvora new P.PRJ [--data F.DAT] [--variants F.VAR] [--alignment F.CRV] [--yes]: creates the
// project as "New" does; the file options then name the working files as the properties
// dialog's OK does. Every check comes first; nothing is written unless all of it succeeds.

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "project/file_names.h"
#include "project/project_commands.h"
#include "project/working_files.h"
#include "records/windows1252.h"

namespace calvora {

namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 3> kOptionNames = {"--data", "--variants", "--alignment"};

struct NamedFile {
  WorkingFileKind kind;
  std::string option;  // "--data"
  std::string name;    // as stored in the project record
  fs::path resolved;   // where it lies (or will be created)
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

// Why a name cannot serve as a file of the project; nullopt when it can.
std::optional<std::string> NameProblem(const std::string& what, const std::string& name) {
  if (name.empty()) {
    return what + ": the file name is empty.";
  }
  if (HoldsControlCharacters(name)) {
    return what + ": the file name holds control characters.";
  }
  if (LooksForeign(name)) {
    return std::nullopt;  // looked for beside the project file
  }
  std::error_code ec;
  if (fs::is_directory(name, ec)) {
    return what + ": " + name + " is a folder, not a file.";
  }
  const fs::path folder = fs::absolute(name, ec).lexically_normal().parent_path();
  if (!fs::is_directory(folder, ec)) {
    return what + ": the folder " + folder.string() + " does not exist.";
  }
  return std::nullopt;
}

// Creates the empty working files that are missing; on failure removes those it made and
// throws FileError.
class CreatedFiles {
 public:
  ~CreatedFiles() {
    for (const fs::path& path : created_) {
      ::unlink(path.c_str());
    }
  }
  CreatedFiles() = default;
  CreatedFiles(const CreatedFiles&) = delete;
  CreatedFiles& operator=(const CreatedFiles&) = delete;

  void Create(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
      throw FileError::FromErrno(path, errno);
    }
    ::close(fd);
    created_.push_back(path);
  }
  // The files stay: the project names them.
  void Keep() { created_.clear(); }

 private:
  std::vector<fs::path> created_;
};

class NewCommand : public BatchCommand {
 public:
  std::string Name() const override { return "new"; }
  std::string Description() const override {
    return "Create a project as \"New\" does, optionally naming its working files";
  }
  void Configure(CLI::App& sub) override {
    sub.add_option("project", projectPath_, "The project file to create (.PRJ)")->required();
    sub.add_option(kOptionNames[0], options_[0], "Survey data file (.DAT)");
    sub.add_option(kOptionNames[1], options_[1], "Typical cross-section file (.VAR)");
    sub.add_option(kOptionNames[2], options_[2], "Alignment file (.CRV)");
    sub.add_flag("--yes,-y", yes_,
                 "Answer Yes: replace an existing project file, create missing working files");
  }

  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    dialogs.AnswerYes(yes_);
    if (const auto problem = NameProblem("the project file", projectPath_)) {
      dialogs.Message(*problem);
      return kBatchFailed;
    }
    dialogs.AnswerSaveFile(projectPath_);
    const std::string path = dialogs.SaveFileName(NewProjectRequest());
    std::error_code ec;
    const std::string absolutePath = fs::absolute(path, ec).lexically_normal().string();
    std::vector<NamedFile> files;
    ProjectRecord project;
    InitialiseNewProject(project);
    for (std::size_t i = 0; i < options_.size(); ++i) {
      if (!options_[i]) {
        continue;
      }
      if (const auto problem = NameProblem(kOptionNames[i], *options_[i])) {
        dialogs.Message(*problem);
        return kBatchFailed;
      }
      const std::string stored = StoredForm(*options_[i]);
      files.push_back({kWorkingFileKinds[i], kOptionNames[i], stored,
                       ResolveWorkingFilePath(stored, absolutePath)});
      StoredNameOf(project, kWorkingFileKinds[i]) = stored;
    }
    if (!Acceptable(files, project, absolutePath, dialogs)) {
      return kBatchFailed;
    }
    CreatedFiles created;
    try {
      for (const NamedFile& file : files) {
        if (!fs::exists(file.resolved, ec)) {
          created.Create(file.resolved);
        }
      }
    } catch (const FileError& error) {
      dialogs.Message(error.what());
      return kBatchFailed;
    }
    if (!WriteProjectFile(path, project, dialogs)) {
      return kBatchFailed;
    }
    created.Keep();
    return kBatchOk;
  }

 private:
  // Checks made before anything is written: names that fit the record, no file named twice,
  // and a Yes for every missing file (without --yes the question stops the command).
  static bool Acceptable(const std::vector<NamedFile>& files, const ProjectRecord& project,
                         const std::string& projectPath, BatchDialogs& dialogs) {
    std::vector<std::uint8_t> bytes(ProjectRecord::kLength);
    try {
      EncodeRecord(project, bytes);
    } catch (const EncodingError& error) {
      dialogs.Message(error.what());
      return false;
    }
    std::vector<ReservedFile> taken{{projectPath, "project file"}};
    for (const NamedFile& file : files) {
      if (ReservedRoleOf(taken, file.resolved)) {
        dialogs.Message("The file " + file.resolved.string() +
                        " is named twice: the project and each working file need files of "
                        "their own.");
        return false;
      }
      taken.push_back({file.resolved, file.option});
    }
    std::error_code ec;
    for (const NamedFile& file : files) {
      if (!fs::exists(file.resolved, ec)) {
        dialogs.YesNo(QuestionId::CreateMissingFile, NotFoundQuestion(file.kind));
      }
    }
    return true;
  }

  std::string projectPath_;
  std::array<std::optional<std::string>, 3> options_;  // in the order of kWorkingFileKinds
  bool yes_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeNewCommand() {
  return std::make_unique<NewCommand>();
}

}  // namespace calvora
