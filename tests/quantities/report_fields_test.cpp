#include "quantities/report_fields.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace calvora {
namespace {

// Fields of a report R.VOL, with the run's log of wide numbers.
struct Fields {
  testing::TempFolder folder;
  ReportFile file{folder / "R.VOL"};
  WideFields wide;
  ReportFields fields{file, wide};
};

TEST(ReportFields, ANumberThatFitsIsItsFormatFieldAndAWiderOneKeepsEveryDigit) {
  struct Case {
    double value;
    const char* pattern;
    std::string field;
  };
  const Case cases[] = {
      {12.5, "##0.00º", " 12.50\xBA"},
      {999.994, "##0.00", "999.99"},
      {1100, "##0.00º", "1100.00\xBA"},
      {99.996, "#0.00", "100.00"},  // rounding carries into a place the field lacks
      {-123.456, "##0.00", "-123.46"},
      {108295.4, "####0.00", "108295.40"},
  };
  Fields f;
  for (const Case& c : cases) {
    std::string row = "|";
    f.fields.Add(row, c.value, c.pattern, "cut volume", FieldPlace::Interval(4, 5));
    EXPECT_EQ(row, "|" + c.field) << c.value << " " << c.pattern;
  }
  std::string totals;
  f.fields.AddTotal(totals, 1234.5, 21, "cut volume", 2);
  f.fields.AddTotal(totals, 12345678.9, 10, "0525 (m3)", 2);
  EXPECT_EQ(totals, std::string(14, ' ') + "1234.50" + "12345678.90");
  EXPECT_EQ(f.fields.SectionPlace(10000, 1, 20),
            "\xBA"
            "10000\xBA    1+ 20.00");
  EXPECT_EQ(f.wide.Message(),
            "Numbers too wide for their columns are written in full, their rows wider than the "
            "table. R.VOL: cut volume at sections 4-5, 0525 (m3) in the totals of page 2, "
            "section number at section 10000.");
}

TEST(WideFields, PlacesJoinWhereTheyFollowOneAnother) {
  WideFields wide;
  for (const int n : {9998, 9999, 10000, 10000, 10001, 10007}) {
    wide.Note("R.SRF", "section number", FieldPlace::Section(n));
  }
  for (const auto& [a, b] : {std::pair{1, 2}, {2, 3}, {3, 5}, {6, 7}}) {
    wide.Note("R.OUT", "distance", FieldPlace::Interval(a, b));
  }
  for (const int page : {3, 4, 4, 6}) {
    wide.Note("R.SRF", "Sf", FieldPlace::Totals(page));
  }
  EXPECT_EQ(wide.Message(),
            "Numbers too wide for their columns are written in full, their rows wider than the "
            "table. R.SRF: section number at sections 9998-10001, 10007, Sf in the totals of "
            "pages 3-4, 6. R.OUT: distance at sections 1-5, 6-7.");
}

}  // namespace
}  // namespace calvora
