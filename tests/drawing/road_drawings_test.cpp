// The drawings along the road: the longitudinal section's band, datum, notes and sheets, and the
// mass-haul diagram's marks, free-haul lines and summary.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "drawing/mass_haul_sheet.h"
#include "drawing/profile_sheet.h"
#include "drawing/recording_device.h"
#include "records/record_file.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"

namespace calvora {
namespace {

using testing::RecordingDevice;

constexpr SheetSize kSheet{60, 42};  // the two-lane road's margins are 0

bool HasText(const RecordingDevice& device, const std::string& text) {
  return device.TextStartingWith(text) != nullptr;
}

struct ProfileCase {
  const char* name;
  std::vector<double> project;  // elevations of sections every 20 m on ground at 100
  int fallBackAt;               // this section moves back before the first; 0 for none
  std::vector<std::string> texts;
};

// The two-lane road has no alignment file: the design is left out with a note, the ground drawn.
TEST(ProfileSheet, BandDatumAndNotesOfTheSheet) {
  const ProfileCase cases[] = {
      {"band and datum",
       {101, 99.5, 100.7},
       0,
       {"0+000.00", "0+020.00", "0+040.00", "100.00", "101.00", "99.50", "-1.00", "0.50", "-0.70",
        "Base: 99.00", "Note: The alignment holds fewer than two vertical points"}},
      {"file order",
       {100.2, 98.6, 100},
       3,
       {"Base: 98.00", "Note: The sections' stations do not rise"}},
  };
  for (const ProfileCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::RoadRecords records = testing::TwoLaneRoad(c.project);
    if (c.fallBackAt > 0) {
      testing::SetStation(records.sections[c.fallBackAt - 1], -10);
    }
    testing::Road road(records);
    testing::RecordingDialogs dialogs;
    ProfileSheet sheets(road.state, dialogs);
    sheets.Sheet = kSheet;
    RecordingDevice device;
    sheets.Graphic.SetObject(device);
    ASSERT_EQ(sheets.SheetCount(), 1);
    ASSERT_TRUE(sheets.DrawOnObject(1));
    for (const std::string& text : c.texts) {
      EXPECT_TRUE(HasText(device, text)) << text;
    }
    EXPECT_EQ(device.LinesOn("Ground", 2).size(), c.project.size() - 1);
    EXPECT_TRUE(device.LinesOn("Project", 1).empty());                     // no design line
    EXPECT_EQ(device.LinesOn("Project", 4).size(), 2 * c.project.size());  // the PRElev crosses
  }
}

TEST(ProfileSheet, ScalesGiveSheetsOrAreRefused) {
  // 1 km of road; the plot is 60 - 8 - 2 = 50 units, 254 m at 1:1000 (a unit is 5.08 mm).
  std::vector<double> elevations(51, 100);
  testing::Road road(testing::TwoLaneRoad(elevations));
  testing::RecordingDialogs dialogs;
  ProfileSheet sheets(road.state, dialogs);
  sheets.Sheet = kSheet;
  const struct {
    double horizontal, vertical;
    int sheets;
    const char* problem;
  } cases[] = {
      {1000, 100, 4, ""},
      {500, 100, 8, ""},
      {2000, 200, 2, ""},
      {0, 100, 0, "Cannot draw the sheets: the horizontal scale must be a number above 0."},
      {1000, -5, 0, "Cannot draw the sheets: the vertical scale must be a number above 0."},
      {NAN, 100, 0, "Cannot draw the sheets: the horizontal scale must be a number above 0."},
      {0.001, 100, 0,
       "Cannot draw the sheets: the horizontal scale 1:.001 needs more than 10000 sheets."},
  };
  for (const auto& c : cases) {
    sheets.Scales = {c.horizontal, c.vertical};
    EXPECT_EQ(sheets.SheetCount(), c.sheets) << c.horizontal;
    EXPECT_EQ(sheets.SettingsProblem(), c.problem) << c.horizontal;
  }
}

// A triangle of ordinates: up 0 to 1000 m3 over 0..200 m, down to -500 at 300 m.
MassHaul Triangle() {
  MassHaul haul;
  haul.Ordinates = {
      {1, 0, 0, 0, 0}, {2, 100, 0, 0, 500}, {3, 200, 0, 0, 1000}, {4, 300, 0, 0, -500}};
  haul.TotalCut = 1000;
  haul.TotalFill = 1500;
  haul.LeftOut = {5};
  DescribeMassCurve(haul);
  return haul;
}

TEST(MassHaulSheet, MarksFreeHaulLinesAndSummary) {
  testing::Road road(testing::TwoLaneRoad({100, 100}));
  testing::RecordingDialogs dialogs;
  MassHaulSheet sheets(road.state, dialogs);
  sheets.Sheet = kSheet;
  sheets.Haul = Triangle();
  sheets.Options.Horizontal = 2000;  // the plot, 60 - 8 - 20 - 2 units, holds 304.8 m
  const struct {
    double freeHaul;
    std::size_t freeHaulLines;
    double lineLength;  // metres
  } cases[] = {{0, 0, 0}, {100, 1, 100}, {300, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.freeHaul);
    sheets.Options.FreeHaul = c.freeHaul;
    RecordingDevice device;
    sheets.Graphic.SetObject(device);
    ASSERT_EQ(sheets.SheetCount(), 1);
    ASSERT_TRUE(sheets.DrawOnObject(1));
    for (const char* text :
         {"0+200.00  1000.00 m3", "Total cut: 1000.00 m3", "Total fill: 1500.00 m3",
          "Final ordinate: -500.00 m3 deficit", "Left out (data error): section 5"}) {
      EXPECT_TRUE(HasText(device, text)) << text;
    }
    EXPECT_EQ(device.LinesOn("Project", 1).size(), 3u);
    EXPECT_EQ(device.LinesOn("0", 4).size(), 2u);  // the one balance point
    const auto lines = device.LinesOn("Deco", 4);
    ASSERT_EQ(lines.size(), c.freeHaulLines);
    if (!lines.empty()) {
      EXPECT_NEAR(lines[0].x2 - lines[0].x1, c.lineLength * UnitsPerMetre(2000), 1e-6);
      EXPECT_NEAR(lines[0].y1, lines[0].y2, 1e-12);
    }
  }
}

}  // namespace
}  // namespace calvora
