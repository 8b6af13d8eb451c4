#pragma once
// A number given as an option, checked before the command starts.

#include <optional>
#include <string>

namespace calvora {

// The range a number option must lie in.
struct OptionRange {
  double low;
  double high;
};

// nullopt when the whole text is a finite number within the range; otherwise the message
// naming the option: "--speed: "abc" is not a number from 1 to 300."
std::optional<std::string> NumberOptionProblem(const std::string& option, const std::string& text,
                                               OptionRange range);

}  // namespace calvora
