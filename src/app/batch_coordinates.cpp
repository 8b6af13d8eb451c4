// calvora coordinates P.PRJ [--interval 20] [--out F.XYZ] [--yes]: the plan-coordinate file.

#include "alignment/plan_coordinates.h"
#include "app/batch_commands_list.h"
#include "app/batch_computation.h"
#include "app/batch_output_options.h"

namespace calvora {

namespace {

class CoordinatesCommand : public BatchCommand {
 public:
  std::string Name() const override { return "coordinates"; }
  std::string Description() const override {
    return "Write the plan coordinates of the stations along the alignment (.XYZ)";
  }
  void Configure(CLI::App& sub) override {
    sub.add_option("project", project_, "The project file (.PRJ)")->required();
    sub.add_option("--interval", interval_, "Distance between stations (default 20)");
    output_.Configure(sub, "Coordinate file instead of the proposed name",
                      "Replace an existing coordinate file");
  }
  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    output_.Answer(dialogs);
    dialogs.AnswerInput(QuestionId::StationInterval, AnswerOrDefault(interval_), "--interval");
    CalcPlanCoordinates coordinates;
    return RunBatchComputation(
        context, Name(), project_, {WorkingFileKind::Alignment}, dialogs,
        [&](ProjectState& s, UserDialogs& d, Progress& p) { return coordinates.Run(s, d, p); },
        [&](const ProjectState&) {
          return std::vector<std::string>{"Written:", "  " + coordinates.WrittenFile()};
        });
  }

 private:
  std::string project_;
  std::string interval_;
  BatchOutputOptions output_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeCoordinatesCommand() {
  return std::make_unique<CoordinatesCommand>();
}

}  // namespace calvora
