#pragma once
// The single-byte code page of every text stored in the working files and reports.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace calvora {

// A text that cannot be stored as asked (a character outside the code page, too long for its
// field).
class EncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// UTF-8 to Windows-1252 bytes; nullopt when a character has no single-byte form (or bad UTF-8).
std::optional<std::string> ToWindows1252(std::string_view utf8);

// Windows-1252 bytes to UTF-8; the five unassigned bytes map to U+FFFD.
std::string FromWindows1252(std::string_view bytes);

}  // namespace calvora
