#include "numbers/number_text.h"
#include "numbers/text_width.h"

namespace calvora {

namespace {

constexpr std::size_t kZoneWidth = 14;

}  // namespace

std::string PrintZoneLine(const std::vector<std::string>& items) {
  std::string line;
  std::size_t column = 0;  // 0-based column after the text written so far
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) {
      // The first zone boundary past the previous item that leaves at least one blank.
      const std::size_t start = (column / kZoneWidth + 1) * kZoneWidth;
      line.append(start - column, ' ');
      column = start;
    }
    line += items[i];
    column += CharCount(items[i]);
  }
  return line;
}

}  // namespace calvora
