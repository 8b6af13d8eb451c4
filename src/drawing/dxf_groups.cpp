#include "drawing/dxf_groups.h"

#include <fmt/format.h>

#include <array>
#include <bit>
#include <cstring>
#include <iterator>

#include "records/windows1252.h"

namespace calvora {

namespace {

std::size_t Utf8SequenceLength(unsigned char lead) {
  if ((lead & 0xE0) == 0xC0) {
    return 2;
  }
  if ((lead & 0xF0) == 0xE0) {
    return 3;
  }
  if ((lead & 0xF8) == 0xF0) {
    return 4;
  }
  return 1;
}

}  // namespace

std::string DxfTextBytes(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::size_t length =
        std::min(Utf8SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    const auto single = ToWindows1252(utf8.substr(i, length));
    char c = single && single->size() == 1 ? (*single)[0] : '?';
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      c = ' ';
    }
    out += c;
    i += length;
  }
  return out;
}

void DxfGroups::Code(int code) {
  if (format_ == DxfFormat::Binary) {
    out_ += static_cast<char>(code);
  } else {
    fmt::format_to(std::back_inserter(out_), "{:>3}\r\n", code);
  }
}

void DxfGroups::Text(int code, std::string_view utf8) {
  Code(code);
  const std::string bytes = DxfTextBytes(utf8);
  if (format_ == DxfFormat::Binary) {
    out_ += bytes;
    out_ += '\0';
  } else {
    out_ += bytes;
    out_ += "\r\n";
  }
}

void DxfGroups::Real(int code, double value) {
  Code(code);
  if (format_ == DxfFormat::Binary) {
    static_assert(std::endian::native == std::endian::little);
    std::array<char, 8> bytes{};
    std::memcpy(bytes.data(), &value, bytes.size());
    out_.append(bytes.data(), bytes.size());
  } else {
    fmt::format_to(std::back_inserter(out_), "{:.15g}\r\n", value);
  }
}

void DxfGroups::Int16(int code, std::int16_t value) {
  Code(code);
  if (format_ == DxfFormat::Binary) {
    const auto bits = static_cast<std::uint16_t>(value);
    out_ += static_cast<char>(bits & 0xFF);
    out_ += static_cast<char>(bits >> 8);
  } else {
    fmt::format_to(std::back_inserter(out_), "{:>6}\r\n", value);
  }
}

}  // namespace calvora
