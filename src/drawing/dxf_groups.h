#pragma once
// DXF group codes and values, written either as binary DXF (one-byte group codes, strings ended
// by a 0 byte, little-endian doubles and 16-bit integers) or as ASCII DXF (code and value on
// lines of their own).

#include <cstdint>
#include <string>
#include <string_view>

namespace calvora {

enum class DxfFormat { Binary, Ascii };

class DxfGroups {
 public:
  // Appends to out.
  DxfGroups(std::string& out, DxfFormat format) : out_(out), format_(format) {}

  void Text(int code, std::string_view utf8);
  void Real(int code, double value);
  void Int16(int code, std::int16_t value);

 private:
  void Code(int code);
  std::string& out_;
  DxfFormat format_;
};

// The single-byte form of a text inside a DXF file: Windows-1252, a character without a
// single-byte form as "?", control characters (which would end the value) as blanks.
std::string DxfTextBytes(std::string_view utf8);

}  // namespace calvora
