#pragma once
// The choices of the drawings along the road, asked one input box at a time: each answer is
// read as a number; Cancel (an empty answer) stops and keeps every choice as it was, a refused
// number says why and keeps them too.

#include <optional>
#include <string>
#include <vector>

#include "project/question.h"
#include "project/user_dialogs.h"

namespace calvora {

struct NumberChoice {
  QuestionId id;
  std::string prompt;
  double* value;
  double least;  // the smallest value taken; strictly above it when aboveLeast
  bool aboveLeast = true;
};

// Asks each choice under the title; true when every answer was taken (and stored).
bool AskNumberChoices(UserDialogs& dialogs, const std::string& title,
                      const std::vector<NumberChoice>& choices);

}  // namespace calvora
