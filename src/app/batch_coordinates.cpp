// calvora coordinates P.PRJ [--interval 20] [--out F.XYZ] [--yes]: the plan-coordinate file.

#include "app/batch_commands_list.h"
#include "app/batch_input_rules.h"
#include "app/batch_output_options.h"
#include "app/batch_table_command.h"

namespace calvora {

namespace {

class CoordinatesAnswers : public BatchAnswers {
 public:
  void Configure(CLI::App& sub) override {
    sub.add_option("--interval", interval_, "Distance between stations (default 20)");
    output_.Configure(sub, "Coordinate file instead of the proposed name",
                      "Replace an existing coordinate file");
  }
  bool Answer(BatchDialogs& dialogs) const override {
    output_.Answer(dialogs);
    dialogs.AnswerInput(QuestionId::StationInterval, AnswerOrDefault(interval_), "--interval");
    return true;
  }

 private:
  std::string interval_;
  BatchOutputOptions output_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeCoordinatesCommand() {
  return MakeTableCommand(CommandId::PlanCoordinates, std::make_unique<CoordinatesAnswers>());
}

}  // namespace calvora
