// calvora info P.PRJ [--json]: the project record and its three working files.

#include <filesystem>
#include <string>
#include <system_error>

#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "app/batch_project.h"
#include "app/batch_record_fields.h"
#include "project/working_files.h"

namespace calvora {

namespace {

struct FileEntry {
  const char* key;
  WorkingFileKind kind;
  const std::string& storedName;
};

class InfoCommand : public BatchCommand {
 public:
  std::string Name() const override { return "info"; }
  std::string Description() const override {
    return "Show every field of a project and its working files with their record counts";
  }
  void Configure(CLI::App& sub) override {
    sub.add_option("project", projectPath_, "The project file (.PRJ)")->required();
    sub.add_flag("--json", json_, "Write JSON instead of text");
  }

  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    ProjectState state;
    if (!OpenProjectForBatch(state, projectPath_, context, dialogs,
                             std::vector<WorkingFileKind>{})) {
      return kBatchFailed;
    }
    // The working files that exist, for their counts; a missing one is shown so.
    for (const auto kind : kWorkingFileKinds) {
      const std::string& stored = StoredNameOf(state.Project, kind);
      std::error_code ec;
      if (!stored.empty() &&
          std::filesystem::exists(ResolveWorkingFilePath(stored, state.ProjectPath), ec)) {
        OpenWorkingFilesOf(state, {kind}, dialogs);
      }
    }
    FieldsJson files = FieldsJson::object();
    for (const FileEntry entry :
         {FileEntry{"data", WorkingFileKind::Data, state.Project.DataFile},
          FileEntry{"variants", WorkingFileKind::Variant, state.Project.VariantFile},
          FileEntry{"alignment", WorkingFileKind::Alignment, state.Project.AlignFile}}) {
      files[entry.key] = FileFields(state, entry.kind, entry.storedName);
    }
    const FieldsJson project = FieldsOf(state.Project);
    if (json_) {
      context.out << FieldsJson{{"project", project}, {"files", files}}.dump(2) << '\n';
    } else {
      context.out << "Project " << state.ProjectPath << '\n';
      WriteFieldLines(project, "  ", context.out);
      context.out << "Files\n";
      for (const auto& [key, file] : files.items()) {
        context.out << "  " << key << ": " << FileText(file) << '\n';
      }
    }
    // A working file refused on the way (another kind's file, too many records) is a failure.
    return dialogs.Messages().empty() ? kBatchOk : kBatchFailed;
  }

 private:
  // Path null: no name; count null: not opened (missing, or refused).
  static FieldsJson FileFields(ProjectState& state, WorkingFileKind kind,
                               const std::string& storedName) {
    const WorkingFile& file = WorkingFileOf(state, kind);
    if (file.Loaded()) {
      return {{"path", file.File->Path().string()}, {"count", file.Count()}};
    }
    if (storedName.empty()) {
      return {{"path", nullptr}, {"count", nullptr}};
    }
    return {{"path", ResolveWorkingFilePath(storedName, state.ProjectPath).string()},
            {"count", nullptr}};
  }

  static std::string FileText(const FieldsJson& file) {
    if (file["path"].is_null()) {
      return "none";
    }
    const std::string path = file["path"].get<std::string>();
    if (file["count"].is_null()) {
      return path + " (not opened)";
    }
    const int count = file["count"].get<int>();
    return path + " (" + std::to_string(count) + (count == 1 ? " record)" : " records)");
  }

  std::string projectPath_;
  bool json_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeInfoCommand() {
  return std::make_unique<InfoCommand>();
}

}  // namespace calvora
