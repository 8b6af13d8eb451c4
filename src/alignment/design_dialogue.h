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

// How the dialogue of one corner ended.
struct DesignAnswer {
  std::optional<double> value;  // the confirmed value; nothing when the design was cancelled
  // Cancelled right after a value was refused: the design ends without writing its file (a
  // plain Cancel keeps what was designed so far).
  bool refused = false;
};

// Asks until the shown value is confirmed for curve No. curve. A value that cannot be used is
// refused with its problem and leads to the cancel question, as an empty answer does. The starting
// value must be showable.
DesignAnswer ConfirmDesign(UserDialogs& dialogs, const std::string& title, int curve, double start,
                           const std::function<DesignView(double value)>& view);

}  // namespace calvora
