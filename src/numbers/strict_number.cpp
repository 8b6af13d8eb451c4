#include <charconv>
#include <cmath>
#include <system_error>

#include "numbers/number_text.h"

namespace calvora {

std::optional<double> StrictNumber(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (text.front() == '+' && (text.size() == 1 || text[1] != '-')) {
    text.remove_prefix(1);
  }
  // from_chars alone would take "inf", "nan" and hexadecimal digits.
  if (text.find_first_not_of("0123456789.-eE") != std::string_view::npos) {
    return std::nullopt;
  }
  double value = 0;
  const auto parsed =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (parsed.ec != std::errc{} || parsed.ptr != text.data() + text.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value == 0 ? 0.0 : value;
}

}  // namespace calvora
