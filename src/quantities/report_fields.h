#pragma once
// The number fields of one report or of the quantity file. A number that fits its column is
// written as FormatField writes it; a wider one keeps every digit, its row growing wider than
// the others, and is noted in the run's WideFields: no field ever shows a number cut short,
// and the quantity file reads back as computed.

#include <string>
#include <string_view>

#include "quantities/report_file.h"
#include "quantities/wide_fields.h"

namespace calvora {

class ReportFields {
 public:
  // The fields of the file, noted under its name ("R.VOL").
  ReportFields(const ReportFile& file, WideFields& wide);

  // Appends the value in the pattern as code-page bytes (patterns may carry literal box
  // characters: "##0.00º").
  void Add(std::string& row, double value, std::string_view pattern, std::string_view column,
           const FieldPlace& place);

  // A section row begun with its first columns: "º", the section number, "º", kilometre "+"
  // metre.
  std::string SectionPlace(int number, double kilo, double meter);

  // A running total in "#######0.00" right-aligned in width characters, shown on page.
  void AddTotal(std::string& row, double total, int width, std::string_view column, int page);

 private:
  std::string report_;
  WideFields& wide_;
};

}  // namespace calvora
