#pragma once
// How a batch option answers an input box.

#include <string>
#include <vector>

#include "app/batch_dialogs.h"

namespace calvora {

// Answers the design dialogue of curve No. n with the n-th of the values, or else its default.
BatchDialogs::InputRule AnswersByCurveNumber(std::vector<std::string> values);

// Answers with the value when one was given, or else with the default text.
BatchDialogs::InputRule AnswerOrDefault(std::string value);

// Answers with the value when one was given; nothing (an unanswered question) otherwise.
BatchDialogs::InputRule AnswerIfGiven(std::string value);

}  // namespace calvora
