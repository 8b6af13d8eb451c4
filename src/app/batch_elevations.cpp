// calvora elevations P.PRJ --yes: the project elevation of every section from the alignment's
// grades and vertical curves, after a backup of the survey data file.

#include "alignment/project_elevations.h"
#include "app/batch_commands_list.h"
#include "app/batch_computation.h"

namespace calvora {

namespace {

class ElevationsCommand : public BatchCommand {
 public:
  std::string Name() const override { return "elevations"; }
  std::string Description() const override {
    return "Calculate the project elevations of the sections (backup of the .DAT first)";
  }
  void Configure(CLI::App& sub) override {
    sub.add_option("project", project_, "The project file (.PRJ)")->required();
    sub.add_flag("--yes,-y", yes_, "Confirm the change of the survey data file");
  }
  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    dialogs.AnswerYes(yes_);
    return RunBatchComputation(
        context, Name(), project_, {WorkingFileKind::Data, WorkingFileKind::Alignment}, dialogs,
        [](ProjectState& s, UserDialogs& d, Progress& p) {
          return CalcProjectElevations().Run(s, d, p);
        },
        [](const ProjectState& state) {
          const std::string data = state.Data.File->Path().string();
          return std::vector<std::string>{"Updated:", "  " + data,
                                          "Backup:", "  " + DataBackupName(data)};
        });
  }

 private:
  std::string project_;
  bool yes_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeElevationsCommand() {
  return std::make_unique<ElevationsCommand>();
}

}  // namespace calvora
