#include "quantities/report_text.h"

#include <algorithm>
#include <optional>

#include "numbers/number_text.h"
#include "records/windows1252.h"

namespace calvora {

namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string ReportBytes(std::string_view utf8) {
  if (IsAscii(utf8)) {
    return std::string(utf8);
  }
  if (std::optional<std::string> bytes = ToWindows1252(utf8)) {
    return *std::move(bytes);
  }
  // The record codecs admit only texts of the code page, so a character outside it was typed
  // into memory but never stored; it is shown as "?".
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0xE0 ? (lead < 0x80 ? 1 : 2) : (lead < 0xF0 ? 3 : 4);
    bytes += ToWindows1252(utf8.substr(i, length)).value_or("?");
    i += length;
  }
  return bytes;
}

void AppendReportBytes(std::string& row, std::string_view utf8) {
  if (IsAscii(utf8)) {
    row += utf8;
  } else {
    row += ReportBytes(utf8);
  }
}

std::string NewRow(std::string_view start) {
  constexpr std::size_t kRowCapacity = 256;  // the widest report line has under 200 characters
  std::string row;
  row.reserve(kRowCapacity);
  row += start;
  return row;
}

std::string PageTitleLine(const std::string& titleLeft, int page) {
  std::string title = ReportBytes(titleLeft);
  title.resize(60, ' ');
  return title + "Page: " + PrintNumber(page);
}

}  // namespace calvora
