#include "quantities/report_fields.h"

#include "numbers/number_text.h"
#include "quantities/report_text.h"

namespace calvora {

ReportFields::ReportFields(const ReportFile& file, WideFields& wide)
    : report_(file.Target().filename().string()), wide_(wide) {}

void ReportFields::Add(std::string& row, double value, std::string_view pattern,
                       std::string_view column, const FieldPlace& place) {
  const WholeField field = FormatWholeField(value, pattern);
  if (!field.fits) {
    wide_.Note(report_, column, place);
  }
  AppendReportBytes(row, field.text);
}

std::string ReportFields::SectionPlace(int number, double kilo, double meter) {
  const FieldPlace place = FieldPlace::Section(number);
  std::string row = NewRow("\xBA");
  Add(row, number, "###0", "section number", place);
  row += '\xBA';
  Add(row, kilo, "####0", "kilometre", place);
  row += '+';
  Add(row, meter, "##0.00", "metre", place);
  return row;
}

void ReportFields::AddTotal(std::string& row, double total, int width, std::string_view column,
                            int page) {
  const std::string text = FormatNumber(total, "#######0.00");
  const auto size = static_cast<int>(text.size());
  if (size > width) {
    wide_.Note(report_, column, FieldPlace::Totals(page));
  } else {
    row.append(static_cast<std::size_t>(width - size), ' ');
  }
  row += text;
}

}  // namespace calvora
