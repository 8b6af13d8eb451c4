#pragma once
// Numbers too wide for their report columns. Such a number is written whole, its row growing
// wider than the table, never cut to the column; the run gathers where that happened and tells
// it once: each report, column and place.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace calvora {

// Where a field stands: in the row of a section, in the row of the interval between two
// sections, or in the totals lines of a page.
struct FieldPlace {
  enum class Kind { kSection, kInterval, kTotals };

  static FieldPlace Section(int number) { return {Kind::kSection, number, number}; }
  static FieldPlace Interval(int opening, int closing) {
    return {Kind::kInterval, opening, closing};
  }
  static FieldPlace Totals(int page) { return {Kind::kTotals, page, page}; }

  Kind kind = Kind::kSection;
  int first = 0;  // section number; the opening section of an interval; the page of totals
  int last = 0;   // the closing section of an interval; first otherwise
};

class WideFields {
 public:
  // A number of the report's column at place was written whole.
  void Note(std::string_view report, std::string_view column, const FieldPlace& place);

  bool Empty() const { return columns_.empty(); }

  // One message for all of them, report by report: "... R.OUT: distance at sections 1-2, fill
  // volume at sections 1-2. R.VOL: ...".
  std::string Message() const;

 private:
  // The places of one column, as spans of section numbers (or pages) in the order noted.
  struct Column {
    std::string report;
    std::string name;
    FieldPlace::Kind kind;
    std::vector<std::pair<int, int>> spans;
  };

  static std::string ColumnText(const Column& column);

  std::vector<Column> columns_;
};

}  // namespace calvora
