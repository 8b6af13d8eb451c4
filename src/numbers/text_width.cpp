#include "numbers/text_width.h"

#include <algorithm>

namespace calvora {

namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::size_t CharCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

std::string_view DropLeadingChars(std::string_view text, std::size_t count) {
  std::size_t at = 0;
  for (std::size_t dropped = 0; dropped < count && at < text.size(); ++dropped) {
    ++at;
    while (at < text.size() && IsContinuationByte(text[at])) {
      ++at;
    }
  }
  return text.substr(at);
}

}  // namespace calvora
