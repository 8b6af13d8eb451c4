#include "alignment/table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;

void WriteTable(const TempFolder& folder, const std::string& text) {
  testing::WriteBytes(folder / "T.rmi", std::vector<std::uint8_t>(text.begin(), text.end()));
}

TEST(TableLookup, InterpolatesBetweenTheFirstEightRowsAndKeepsTheLastBeyond) {
  const char* eightRows =
      "50,80\r\n60,120\r\n70,170\r\n80,230\r\n90,300\r\n100,390\r\n110,500\r\n120,670\r\n";
  // Rows separated by line breaks only, and a ninth row that is not read.
  const char* oneItemALine =
      "50\n80\n60\n120\n70\n170\n80\n230\n90\n300\n100\n390\n110\n500\n120\n670\n130\n9999\n";
  const struct {
    const char* table;
    double key;
    double value;
  } cases[] = {
      {eightRows, 65, 145},    {eightRows, 70, 170},     {eightRows, 130, 670},
      {eightRows, 25, 40},  // below the first row: between (0, 0) and the first row
      {oneItemALine, 65, 145}, {oneItemALine, 135, 670},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    WriteTable(folder, c.table);
    ScriptedDialogs dialogs;
    EXPECT_DOUBLE_EQ(TableLookup(folder.Path(), "T.rmi", c.key, dialogs), c.value) << c.key;
  }
}

TEST(TableLookup, ShortOrNonNumericTableSaysSoAndGivesTheValueFoundSoFar) {
  TempFolder folder;
  WriteTable(folder, "50,80\n60,120\n");
  ScriptedDialogs shortTable;
  shortTable.ExpectMessage(
      "The design table T.rmi ends after 2 rows; it needs 8 rows of design speed and value.");
  EXPECT_EQ(TableLookup(folder.Path(), "T.rmi", 100, shortTable), 120);
  // A key inside the rows present needs no more rows.
  ScriptedDialogs inside;
  EXPECT_EQ(TableLookup(folder.Path(), "T.rmi", 55, inside), 100);

  for (const char* text : {"50,80\n60,abc\n70,170\n", "50,80\n60,nan\n", "50,80\n60,1e999\n"}) {
    WriteTable(folder, text);
    ScriptedDialogs dialogs;
    dialogs.ExpectMessage("The design table T.rmi holds text that is no number in row 2.");
    EXPECT_EQ(TableLookup(folder.Path(), "T.rmi", 100, dialogs), 80) << text;
  }
  WriteTable(folder, "");
  ScriptedDialogs empty;
  empty.ExpectAnyMessage();
  EXPECT_EQ(TableLookup(folder.Path(), "T.rmi", 100, empty), 0);
}

TEST(TableLookup, ShippedTablesGiveTheMinimumRadiusForEightPercentSuperelevation) {
  ScriptedDialogs dialogs;  // any message fails the test
  double previousRadius = 0;
  double previousFriction = 1;
  for (int speed = 50; speed <= 120; speed += 10) {
    const double f = TableLookup(CALVORA_SOURCE_DIR "/data", kFrictionTableName, speed, dialogs);
    const double r = TableLookup(CALVORA_SOURCE_DIR "/data", kRadiusTableName, speed, dialogs);
    EXPECT_GT(r, previousRadius) << speed;
    EXPECT_LT(f, previousFriction) << speed;
    // R = V^2 / (127 (e + f)), rounded to the metre.
    EXPECT_NEAR(r, speed * speed / (127 * (0.08 + f)), 0.5) << speed;
    previousRadius = r;
    previousFriction = f;
  }
}

}  // namespace
}  // namespace calvora
