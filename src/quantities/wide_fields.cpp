#include "quantities/wide_fields.h"

#include <algorithm>

namespace calvora {

void WideFields::Note(std::string_view report, std::string_view column, const FieldPlace& place) {
  const auto found = std::find_if(columns_.rbegin(), columns_.rend(), [&](const Column& c) {
    return c.name == column && c.report == report;
  });
  if (found == columns_.rend()) {
    columns_.push_back(
        {std::string(report), std::string(column), place.kind, {{place.first, place.last}}});
    return;
  }
  // Places come in report order. Intervals join when they share a section (1-2 and 2-3 span
  // 1-3); sections and pages when they follow one another (or repeat, as a section row
  // repeated at the top of a page).
  std::pair<int, int>& span = found->spans.back();
  const int reach = place.kind == FieldPlace::Kind::kInterval ? span.second : span.second + 1;
  if (place.first <= reach) {
    span.second = std::max(span.second, place.last);
  } else {
    found->spans.emplace_back(place.first, place.last);
  }
}

std::string WideFields::ColumnText(const Column& column) {
  const bool one = column.spans.size() == 1 && column.spans[0].first == column.spans[0].second;
  std::string text = column.name;
  if (column.kind == FieldPlace::Kind::kTotals) {
    text += one ? " in the totals of page " : " in the totals of pages ";
  } else {
    text += one ? " at section " : " at sections ";
  }
  for (std::size_t i = 0; i < column.spans.size(); ++i) {
    const auto [first, last] = column.spans[i];
    text += (i == 0 ? "" : ", ") + std::to_string(first);
    if (last != first) {
      text += "-" + std::to_string(last);
    }
  }
  return text;
}

std::string WideFields::Message() const {
  std::string text =
      "Numbers too wide for their columns are written in full, their rows wider than the table.";
  std::vector<std::string_view> reports;
  for (const Column& column : columns_) {
    if (std::find(reports.begin(), reports.end(), column.report) == reports.end()) {
      reports.push_back(column.report);
    }
  }
  for (const std::string_view report : reports) {
    text += " ";
    text += report;
    char separator = ':';
    for (const Column& column : columns_) {
      if (column.report == report) {
        text += separator;
        text += " " + ColumnText(column);
        separator = ',';
      }
    }
    text += ".";
  }
  return text;
}

}  // namespace calvora
