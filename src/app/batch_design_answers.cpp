#include "app/batch_design_answers.h"

#include <optional>

#include "app/batch_input_rules.h"
#include "app/batch_number_option.h"

namespace calvora {

void DesignAnswers::Configure(CLI::App& sub) {
  sub.add_option("--speed", speed_, "Design speed (km/h)")->required();
  sub.add_option(valueOption_, values_, valueHelp_)
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  output_.Configure(sub, "Designed alignment file instead of the proposed name",
                    "Replace an existing file; end the design at a refused value (the file stays)");
}

bool DesignAnswers::Answer(BatchDialogs& dialogs) const {
  // A speed a road is designed for, and values a design can be shown for; the design's own
  // checks judge the values further.
  std::vector<std::optional<std::string>> problems;
  if (!speed_.empty()) {
    problems.push_back(NumberOptionProblem("--speed", speed_, {1, 300}));
  }
  for (const std::string& value : values_) {
    problems.push_back(NumberOptionProblem(valueOption_, value, {-1e5, 1e5}));
  }
  for (const auto& problem : problems) {
    if (problem) {
      dialogs.Message(*problem);
      return false;
    }
  }
  output_.Answer(dialogs);
  dialogs.AnswerInput(QuestionId::DesignSpeed, AnswerIfGiven(speed_), "--speed");
  dialogs.AnswerInput(QuestionId::ConfirmDesign, AnswersByCurveNumber(values_), valueOption_);
  return true;
}

}  // namespace calvora
