// calvora widen P.PRJ --distance W --yes: every section's ground prolonged to W on both sides.

#include "app/batch_commands_list.h"
#include "app/batch_input_rules.h"
#include "app/batch_yes_answer.h"

namespace calvora {

namespace {

class WidenAnswers : public YesAnswer {
 public:
  void Configure(CLI::App& sub) override {
    sub.add_option("--distance", distance_, "New distance from the centre line, both sides")
        ->required();
    YesAnswer::Configure(sub);
  }
  bool Answer(BatchDialogs& dialogs) const override {
    dialogs.AnswerInput(QuestionId::WideningDistance, AnswerIfGiven(distance_), "--distance");
    return YesAnswer::Answer(dialogs);
  }

 private:
  std::string distance_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeWidenCommand() {
  return MakeTableCommand(CommandId::WidenGround, std::make_unique<WidenAnswers>());
}

}  // namespace calvora
