#include "records/report_terminal_text.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

TEST(ReportTerminalText, BoxBytesBecomeBoxesAndTheRestWindows1252) {
  const struct {
    std::string bytes;
    std::string shown;
  } cases[] = {
      {"\xC9\xCD\xCD\xCB\xCD\xBB\r\n", "╔══╦═╗\n"},
      {"\xBA"
       "Sec.\xBA \xC7\xC4\xC4\xB6 \xD7",
       "║Sec.║ ╟──╢ ╫"},
      {"\xBA  \xFB  \xBA", "║  √  ║"},
      {"Caf\xE9 \x80 12\xB0", "Café € 12░"},  // 0xB0 is a box byte of the reports
      {"page 1\r\n\fpage 2\r\n", "page 1\n\npage 2\n"},
      {"\xB3\xC5\xDA\xD9\xDB\xDF", "│┼┌┘█▀"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReportTerminalText(c.bytes), c.shown) << c.shown;
  }
}

}  // namespace
}  // namespace calvora
