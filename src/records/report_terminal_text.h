#pragma once
// A quantity report as a terminal shows it. The reports are Windows-1252 text whose box
// characters are the bytes that draw boxes in code page 437 (0xB0..0xDF, and 0xFB for the tick
// mark): those bytes become the box characters, every other byte its Windows-1252 character, all
// in UTF-8. Line ends become "\n" and a form feed (a new page) an empty line.

#include <string>
#include <string_view>

namespace calvora {

std::string ReportTerminalText(std::string_view reportBytes);

}  // namespace calvora
