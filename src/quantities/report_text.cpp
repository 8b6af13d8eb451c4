#include "quantities/report_text.h"

#include <algorithm>

#include "numbers/number_text.h"
#include "records/windows1252.h"

namespace calvora {

std::string ReportBytes(std::string_view utf8) {
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= 0; })) {
    return std::string(utf8);
  }
  // The record codecs admit only texts of the code page, so a conversion failure here means a
  // character typed into memory but never stored; it is shown as "?".
  if (auto bytes = ToWindows1252(utf8)) {
    return *bytes;
  }
  std::string ascii;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      ascii += c;
    } else if (byte >= 0xC0) {  // the lead byte of a sequence; continuation bytes are dropped
      ascii += '?';
    }
  }
  return ascii;
}

std::string ReportField(double value, std::string_view pattern) {
  return ReportBytes(FormatField(value, pattern));
}

std::string SectionPlace(int number, double kilo, double meter) {
  return "\xBA" + FormatField(number, "###0") + "\xBA" + FormatField(kilo, "####0") + "+" +
         FormatField(meter, "##0.00");
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
