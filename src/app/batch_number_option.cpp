#include "app/batch_number_option.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>

namespace calvora {

std::optional<std::string> NumberOptionProblem(const std::string& option, const std::string& text,
                                               OptionRange range) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error == std::errc() && stop == end && std::isfinite(value) && value >= range.low &&
      value <= range.high) {
    return std::nullopt;
  }
  return fmt::format("{}: \"{}\" is not a number from {:g} to {:g}.", option, text, range.low,
                     range.high);
}

}  // namespace calvora
