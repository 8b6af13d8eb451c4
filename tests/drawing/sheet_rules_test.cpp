// Sheets: their count, the sections each holds, their size from the page, the settings they
// need, and the sheet range of printing and export.

#include <gtest/gtest.h>

#include "drawing/sheet_layout.h"
#include "drawing/sheet_range.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using testing::ScriptedDialogs;

TEST(SheetRules, NineSectionsAtFourPerSheetGiveThreeSheetsTheLastWithOne) {
  EXPECT_EQ(SheetCount(9, 4), 3);
  EXPECT_EQ(SheetCount(8, 4), 2);
  EXPECT_EQ(SheetCount(0, 4), 0);
  EXPECT_EQ(SheetCount(32767, 1), 32767);
  for (const auto& [sheet, first, last] : {std::tuple{1, 1, 4}, {2, 5, 8}, {3, 9, 9}}) {
    EXPECT_EQ(SectionsOfSheet(sheet, 9, 4).First, first);
    EXPECT_EQ(SectionsOfSheet(sheet, 9, 4).Last, last);
    EXPECT_EQ(SheetOfSection(last, 4), sheet);
  }
  EXPECT_EQ(SheetOfSection(5, 4), 2);
}

TEST(SheetRules, SheetIsThePageInTwipsOver288) {
  for (const auto& [page, landscape, width, height] :
       {std::tuple{PageFormat::A4, false, 11906 / 288.0, 16838 / 288.0},
        {PageFormat::A3, true, 23811 / 288.0, 16838 / 288.0},
        {PageFormat::Letter, false, 42.5, 55.0}}) {
    EXPECT_DOUBLE_EQ(SheetSizeOf(page, landscape).Width, width);
    EXPECT_DOUBLE_EQ(SheetSizeOf(page, landscape).Height, height);
  }
}

TEST(SheetRules, SettingsThatWouldBreakTheSheetAreNamed) {
  const std::string kMargins = "Cannot draw the sheets: the page is smaller than its margins.";
  struct Case {
    std::int16_t sectionsPerSheet;
    std::array<float, 4> margin;
    std::string problem;
  };
  const Case cases[] = {
      {2, {1, 1, 1, 1}, ""},
      {0,
       {1, 1, 1, 1},
       "Cannot draw the sheets: the number of cross sections in each sheet is 0; it must be at "
       "least 1."},
      {-3,
       {1, 1, 1, 1},
       "Cannot draw the sheets: the number of cross sections in each sheet is -3; it must be at "
       "least 1."},
      {2, {30, 30, 1, 1}, kMargins},
      {2, {1, 1, 20.7f, 20.7f}, kMargins},
      {2, {1, -1, 1, 1}, "Cannot draw the sheets: a margin is not a length of 0 or more."},
  };
  for (const Case& c : cases) {
    ProjectRecord project;
    project.SectionsPerSheet = c.sectionsPerSheet;
    project.Margin = c.margin;
    EXPECT_EQ(SheetSettingsProblem(project, SheetSizeOf(PageFormat::A4, false)), c.problem)
        << c.sectionsPerSheet << " " << c.margin[0] << " " << c.margin[1] << " " << c.margin[2];
  }
  ProjectRecord noMargins;
  noMargins.SectionsPerSheet = 2;
  EXPECT_EQ(SheetSettingsProblem(noMargins, {0.4, 0.4}), "");
}

TEST(SheetRange, AllCurrentAndPagesOrRefusedNumbers) {
  struct Case {
    SheetRangeChoice choice;
    int sheets, current;
    int first, last;  // 0: refused
  };
  const Case cases[] = {
      {{SheetRangeOption::All, "", ""}, 4, 3, 1, 4},
      {{SheetRangeOption::CurrentPage, "", ""}, 4, 3, 3, 3},
      {{SheetRangeOption::Pages, " 2 ", "3abc"}, 4, 1, 2, 3},
      {{SheetRangeOption::All, "", ""}, 0, 1, 0, 0},
  };
  std::vector<Case> all(std::begin(cases), std::end(cases));
  for (const auto& [from, to] :
       {std::pair{"2", "5"}, {"0", "2"}, {"", "1"}, {"x", "y"}, {"3", "2"}, {"-1", "2"}}) {
    all.push_back({{SheetRangeOption::Pages, from, to}, 4, 1, 0, 0});
  }
  for (const Case& c : all) {
    SCOPED_TRACE(c.choice.From + "-" + c.choice.To);
    ScriptedDialogs dialogs;
    if (c.first == 0) {
      dialogs.ExpectMessage("Bad page number. Operation canceled.");
    }
    const auto range = ResolveSheetRange(c.choice, c.sheets, c.current, dialogs);
    ASSERT_EQ(range.has_value(), c.first != 0);
    if (range) {
      EXPECT_EQ(range->First, c.first);
      EXPECT_EQ(range->Last, c.last);
    }
  }
}

}  // namespace
}  // namespace calvora
