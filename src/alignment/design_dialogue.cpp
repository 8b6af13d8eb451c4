#include "alignment/design_dialogue.h"

#include <cmath>

#include "numbers/number_text.h"

namespace calvora {

namespace {

constexpr const char* kCancelQuestion = "Cancel the design process?";

}  // namespace

std::optional<double> AskDesignSpeed(UserDialogs& dialogs) {
  const std::string answer =
      dialogs.InputBox({QuestionId::DesignSpeed}, "Design speed (km/h):", "", "65");
  if (answer.empty()) {
    return std::nullopt;
  }
  const double speed = LeadingNumber(answer);
  if (!std::isfinite(speed) || speed < 0) {
    dialogs.Message("The design speed must be a number of 0 km/h or more.");
    return std::nullopt;
  }
  return speed;
}

std::string DesignPrompt(const std::vector<std::string>& lines) {
  std::string prompt;
  for (const std::string& line : lines) {
    prompt += line;
    prompt += '\r';
  }
  return prompt;
}

DesignAnswer ConfirmDesign(UserDialogs& dialogs, const std::string& title, int curve, double start,
                           const std::function<DesignView(double value)>& view) {
  double value = start;
  for (;;) {
    const DesignView shown = view(value);
    const std::string answer = dialogs.InputBox({QuestionId::ConfirmDesign, curve}, shown.prompt,
                                                title, PlainNumber(value));
    const bool refused = !answer.empty();
    if (!answer.empty()) {
      const double typed = LeadingNumber(answer);
      // The value shown counts as confirmed also when its text rounds the value held.
      if (typed == value || (std::isfinite(typed) && PlainNumber(typed) == PlainNumber(value))) {
        if (shown.problem.empty()) {
          return {value, false};
        }
        dialogs.Message(shown.problem);
      } else {
        const DesignView other = view(typed);
        if (other.showable) {
          value = typed;
          continue;
        }
        dialogs.Message(other.problem);
      }
    }
    if (dialogs.YesNo(QuestionId::CancelDesign, kCancelQuestion)) {
      return {std::nullopt, refused};
    }
  }
}

}  // namespace calvora
