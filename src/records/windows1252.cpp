#include "records/windows1252.h"

#include <array>
#include <cstdint>

namespace calvora {

namespace {

// Code points of bytes 0x80..0x9F; 0 marks the unassigned ones.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> EncodeCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
    return static_cast<char>(static_cast<unsigned char>(cp));
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == cp) {
      return static_cast<char>(static_cast<unsigned char>(0x80 + i));
    }
  }
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::optional<std::string> ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {  // a run of ASCII stands as it is
      std::size_t end = i + 1;
      while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) < 0x80) {
        ++end;
      }
      out.append(utf8.substr(i, end - i));
      i = end;
      continue;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
      length = 2;
      cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      cp = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (i + length > utf8.size()) {
      return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) {
        return std::nullopt;
      }
      cp = (cp << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> kShortestFrom = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kShortestFrom[length]) {
      return std::nullopt;  // an overlong form hides the character it stands for
    }
    const auto byte = EncodeCodePoint(cp);
    if (!byte) {
      return std::nullopt;
    }
    out += *byte;
    i += length;
  }
  return out;
}

std::string FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    char32_t cp = b;
    if (b >= 0x80 && b <= 0x9F) {
      cp = kHighControls[b - 0x80];
      if (cp == 0) {
        cp = 0xFFFD;
      }
    }
    AppendUtf8(out, cp);
  }
  return out;
}

}  // namespace calvora
