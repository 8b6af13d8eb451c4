#pragma once
// Widths of UTF-8 texts in characters, as report columns and print zones count them.

#include <cstddef>
#include <string_view>

namespace calvora {

// Characters of a UTF-8 text (continuation bytes do not count).
std::size_t CharCount(std::string_view text);

// The text without its first count characters.
std::string_view DropLeadingChars(std::string_view text, std::size_t count);

}  // namespace calvora
