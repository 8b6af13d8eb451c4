#pragma once
// The dialogue of one designed corner: the design is shown for a value (a radius, a spiral
// parameter); the person confirms it by answering the value shown or types another value.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "project/user_dialogs.h"

namespace calvora {

// What a value gives at the corner.
struct DesignView {
  bool showable = false;  // its numbers can be shown (finite and storable)
  std::string prompt;     // the dialogue text, when showable
  std::string problem;    // why it cannot be used ("" when it can)
};

// Asks "Design speed (km/h):" (default 65); nullopt when the person gives no (usable) answer.
std::optional<double> AskDesignSpeed(UserDialogs& dialogs);

// The prompt text: every line followed by a carriage return.
std::string DesignPrompt(const std::vector<std::string>& lines);

// Asks until the shown value is confirmed; returns it, or nullopt when the person cancelled the
// design process. A value that cannot be used is refused with its problem and leads to the
// cancel question. The starting value must be showable.
std::optional<double> ConfirmDesign(UserDialogs& dialogs, const std::string& title, double start,
                                    const std::function<DesignView(double value)>& view);

}  // namespace calvora
