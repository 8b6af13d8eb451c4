#pragma once
// Pieces shared by the quantity reports. Report lines are built as code-page bytes (one byte
// per character), so the box characters are single bytes that draw boxes on the printer.

#include <string>
#include <string_view>

namespace calvora {

// A constant text of the reports as code-page bytes ("ÉÍÍË" -> C9 CD CD CB).
std::string ReportBytes(std::string_view utf8);

// A report row begun with start, with room for a whole line: one allocation a row.
std::string NewRow(std::string_view start);

// FormatField as code-page bytes; patterns may carry literal box characters ("##0.00º").
std::string ReportField(double value, std::string_view pattern);

// A section row begun with its first columns: "º", the section number, "º", kilometre "+"
// metre.
std::string SectionPlace(int number, double kilo, double meter);

// A running total right-aligned in width characters: the last width characters of 25 blanks
// followed by the total in "#######0.00".
std::string TotalField(double total, int width);

// The first line of every page: the left title cut or padded to 60 characters, "Page: " and
// the page number as the print statement writes it (" 3 ").
std::string PageTitleLine(const std::string& titleLeft, int page);

}  // namespace calvora
