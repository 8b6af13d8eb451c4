#include "shell/drawing_options.h"

#include <cmath>

#include "numbers/number_text.h"

namespace calvora {

bool AskNumberChoices(UserDialogs& dialogs, const std::string& title,
                      const std::vector<NumberChoice>& choices) {
  std::vector<double> answers;
  for (const NumberChoice& choice : choices) {
    const std::string text =
        dialogs.InputBox({choice.id}, choice.prompt, title, PlainNumber(*choice.value));
    if (text.empty()) {
      return false;
    }
    const double value = LeadingNumber(text);
    const bool taken =
        std::isfinite(value) && (choice.aboveLeast ? value > choice.least : value >= choice.least);
    if (!taken) {
      dialogs.Message(choice.prompt + " must be a number " +
                      (choice.aboveLeast ? "above " : "of at least ") + PlainNumber(choice.least) +
                      ".");
      return false;
    }
    answers.push_back(value);
  }
  for (std::size_t k = 0; k < choices.size(); ++k) {
    *choices[k].value = answers[k];
  }
  return true;
}

}  // namespace calvora
