#include "quantities/report_text.h"

#include <algorithm>
#include <optional>

#include "numbers/number_text.h"
#include "records/windows1252.h"

namespace calvora {

std::string ReportBytes(std::string_view utf8) {
  if (std::all_of(utf8.begin(), utf8.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
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

std::string NewRow(std::string_view start) {
  constexpr std::size_t kRowCapacity = 256;  // the widest report line has under 200 characters
  std::string row;
  row.reserve(kRowCapacity);
  row += start;
  return row;
}

std::string ReportField(double value, std::string_view pattern) {
  return ReportBytes(FormatField(value, pattern));
}

std::string SectionPlace(int number, double kilo, double meter) {
  std::string row = NewRow("\xBA");
  row += FormatField(number, "###0");
  row += '\xBA';
  row += FormatField(kilo, "####0");
  row += '+';
  row += FormatField(meter, "##0.00");
  return row;
}

std::string TotalField(double total, int width) {
  const std::string padded = std::string(25, ' ') + FormatField(total, "#######0.00");
  return padded.substr(padded.size() - static_cast<std::size_t>(width));
}

std::string PageTitleLine(const std::string& titleLeft, int page) {
  std::string title = ReportBytes(titleLeft);
  title.resize(60, ' ');
  return title + "Page: " + PrintNumber(page);
}

}  // namespace calvora
