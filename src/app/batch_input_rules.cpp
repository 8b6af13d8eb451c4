#include "app/batch_input_rules.h"

#include <optional>

namespace calvora {

BatchDialogs::InputRule AnswersByCurveNumber(std::vector<std::string> values) {
  return [values](const Question& question,
                  const std::string& defaultText) -> std::optional<std::string> {
    if (question.curve >= 1 && static_cast<std::size_t>(question.curve) <= values.size()) {
      return values[static_cast<std::size_t>(question.curve) - 1];
    }
    return defaultText;
  };
}

BatchDialogs::InputRule AnswerOrDefault(std::string value) {
  return [value](const Question&, const std::string& defaultText) -> std::optional<std::string> {
    return value.empty() ? defaultText : value;
  };
}

BatchDialogs::InputRule AnswerIfGiven(std::string value) {
  return [value](const Question&, const std::string&) -> std::optional<std::string> {
    if (value.empty()) {
      return std::nullopt;
    }
    return value;
  };
}

}  // namespace calvora
