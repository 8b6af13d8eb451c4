#pragma once
// Pieces shared by the quantity reports. Report lines are built as code-page bytes (one byte
// per character), so the box characters are single bytes that draw boxes on the printer.

#include <string>
#include <string_view>

namespace calvora {

// A constant text of the reports as code-page bytes ("ÉÍÍË" -> C9 CD CD CB).
std::string ReportBytes(std::string_view utf8);

// ReportBytes appended to row.
void AppendReportBytes(std::string& row, std::string_view utf8);

// A report row begun with start, with room for a whole line: one allocation a row.
std::string NewRow(std::string_view start);

// The first line of every page: the left title cut or padded to 60 characters, "Page: " and
// the page number as the print statement writes it (" 3 ").
std::string PageTitleLine(const std::string& titleLeft, int page);

}  // namespace calvora
