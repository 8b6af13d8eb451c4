#pragma once
// Texts from fixed-length fields lose their blanks before they are drawn.

#include <string>
#include <string_view>

namespace calvora {

inline std::string TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return "";
  }
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace calvora
