// calvora widen P.PRJ --distance W --yes: every section's ground prolonged to W on both sides.

#include "alignment/ground_widening.h"
#include "app/batch_commands_list.h"
#include "app/batch_computation.h"

namespace calvora {

namespace {

class WidenCommand : public BatchCommand {
 public:
  std::string Name() const override { return "widen"; }
  std::string Description() const override {
    return "Widen the ground of every section to a distance from the centre line (no backup)";
  }
  void Configure(CLI::App& sub) override {
    sub.add_option("project", project_, "The project file (.PRJ)")->required();
    sub.add_option("--distance", distance_, "New distance from the centre line, both sides")
        ->required();
    sub.add_flag("--yes,-y", yes_, "Confirm the change of the survey data file");
  }
  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    dialogs.AnswerYes(yes_);
    dialogs.AnswerInput(QuestionId::WideningDistance, AnswerIfGiven(distance_), "--distance");
    return RunBatchComputation(
        context, Name(), project_, {WorkingFileKind::Data}, dialogs,
        [](ProjectState& s, UserDialogs& d, Progress& p) { return WidenGround().Run(s, d, p); },
        [](const ProjectState& state) {
          return std::vector<std::string>{"Updated:", "  " + state.Data.File->Path().string()};
        });
  }

 private:
  std::string project_;
  std::string distance_;
  bool yes_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeWidenCommand() {
  return std::make_unique<WidenCommand>();
}

}  // namespace calvora
