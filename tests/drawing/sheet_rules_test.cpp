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
  const SheetSections first = SectionsOfSheet(1, 9, 4);
  EXPECT_EQ(first.First, 1);
  EXPECT_EQ(first.Last, 4);
  const SheetSections last = SectionsOfSheet(3, 9, 4);
  EXPECT_EQ(last.First, 9);
  EXPECT_EQ(last.Last, 9);
  EXPECT_EQ(SheetOfSection(4, 4), 1);
  EXPECT_EQ(SheetOfSection(5, 4), 2);
  EXPECT_EQ(SheetOfSection(9, 4), 3);
}

TEST(SheetRules, SheetIsThePageInTwipsOver288) {
  const SheetSize a4 = SheetSizeOf(PageFormat::A4, false);
  EXPECT_DOUBLE_EQ(a4.Width, 11906 / 288.0);
  EXPECT_DOUBLE_EQ(a4.Height, 16838 / 288.0);
  const SheetSize a3 = SheetSizeOf(PageFormat::A3, true);
  EXPECT_DOUBLE_EQ(a3.Width, 23811 / 288.0);
  EXPECT_DOUBLE_EQ(a3.Height, 16838 / 288.0);
  const SheetSize letter = SheetSizeOf(PageFormat::Letter, false);
  EXPECT_DOUBLE_EQ(letter.Width, 42.5);
  EXPECT_DOUBLE_EQ(letter.Height, 55);
}

TEST(SheetRules, SettingsThatWouldBreakTheSheetAreNamed) {
  ProjectRecord project;
  project.SectionsPerSheet = 2;
  project.Margin = {1, 1, 1, 1};
  const SheetSize a4 = SheetSizeOf(PageFormat::A4, false);
  EXPECT_EQ(SheetSettingsProblem(project, a4), "");

  project.SectionsPerSheet = 0;
  EXPECT_EQ(SheetSettingsProblem(project, a4),
            "Cannot draw the sheets: the number of cross sections in each sheet is 0; it must be "
            "at least 1.");
  project.SectionsPerSheet = -3;
  EXPECT_NE(SheetSettingsProblem(project, a4).find("is -3"), std::string::npos);

  project.SectionsPerSheet = 2;
  project.Margin = {30, 30, 1, 1};
  EXPECT_EQ(SheetSettingsProblem(project, a4),
            "Cannot draw the sheets: the page is smaller than its margins.");
  project.Margin = {1, 1, 20.7f, 20.7f};
  EXPECT_EQ(SheetSettingsProblem(project, a4),
            "Cannot draw the sheets: the page is smaller than its margins.");
  project.Margin = {1, -1, 1, 1};
  EXPECT_NE(SheetSettingsProblem(project, a4), "");
  project.Margin = {0, 0, 0, 0};
  EXPECT_EQ(SheetSettingsProblem(project, {0.4, 0.4}), "");
}

TEST(SheetRange, AllCurrentAndPages) {
  ScriptedDialogs dialogs;
  auto all = ResolveSheetRange({SheetRangeOption::All, "", ""}, 4, 3, dialogs);
  ASSERT_TRUE(all);
  EXPECT_EQ(all->First, 1);
  EXPECT_EQ(all->Last, 4);
  auto current = ResolveSheetRange({SheetRangeOption::CurrentPage, "", ""}, 4, 3, dialogs);
  ASSERT_TRUE(current);
  EXPECT_EQ(current->First, 3);
  EXPECT_EQ(current->Count(), 1);
  auto pages = ResolveSheetRange({SheetRangeOption::Pages, " 2 ", "3abc"}, 4, 1, dialogs);
  ASSERT_TRUE(pages);
  EXPECT_EQ(pages->First, 2);
  EXPECT_EQ(pages->Last, 3);
}

TEST(SheetRange, NumbersOffTheSheetsAreRefused) {
  const char* const kBad = "Bad page number. Operation canceled.";
  struct Case {
    const char* from;
    const char* to;
  };
  for (const Case c : {Case{"2", "5"}, Case{"0", "2"}, Case{"", "1"}, Case{"x", "y"},
                       Case{"3", "2"}, Case{"-1", "2"}}) {
    ScriptedDialogs dialogs;
    dialogs.ExpectMessage(kBad);
    EXPECT_FALSE(ResolveSheetRange({SheetRangeOption::Pages, c.from, c.to}, 4, 1, dialogs))
        << c.from << "-" << c.to;
  }
  ScriptedDialogs noSheets;
  noSheets.ExpectMessage(kBad);
  EXPECT_FALSE(ResolveSheetRange({SheetRangeOption::All, "", ""}, 0, 1, noSheets));
}

}  // namespace
}  // namespace calvora
