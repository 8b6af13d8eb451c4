// Drawing one sheet of cross-sections: bands, mapping, elements, labels, decoration, and the
// sections that end a sheet or are drawn with a note.

#include "drawing/cross_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

#include "drawing/recording_device.h"
#include "drawing/section_labels.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using testing::DrawnLine;
using testing::DrawnText;
using testing::RecordingDevice;
using testing::RecordingDialogs;
using testing::RoadOptions;
using testing::ScriptedDialogs;

constexpr double kSheetWidth = 60;  // margins 1
constexpr double kSheetHeight = 42;

class CrossSheetTest : public ::testing::Test {
 protected:
  void Open(const RoadOptions& options, UserDialogs& dialogs) {
    records = testing::SampleRoad(options);
    road.emplace(records);
    sheets.emplace(road->state, dialogs);
    sheets->Sheet = {kSheetWidth, kSheetHeight};
    sheets->Graphic.SetObject(device);
  }
  // The label a text starting with `start`; fails the test when there is none.
  const DrawnText& Label(const std::string& start) const {
    const DrawnText* text = device.TextStartingWith(start);
    if (text == nullptr) {
      throw std::runtime_error("no label " + start);
    }
    return *text;
  }
  std::size_t CountStartingWith(const std::string& start) const {
    return static_cast<std::size_t>(
        std::count_if(device.texts.begin(), device.texts.end(),
                      [&](auto& t) { return t.text.starts_with(start); }));
  }

  testing::RoadRecords records;
  std::optional<testing::Road> road;
  RecordingDevice device;
  std::optional<CrossSheet> sheets;
};

TEST_F(CrossSheetTest, SheetHoldsItsSectionsTopDownInEqualBandsAndTheLastSheetFewer) {
  ScriptedDialogs dialogs;
  Open({}, dialogs);
  EXPECT_TRUE(sheets->DrawOnObject(1));
  std::vector<DrawnText> numbers;
  for (int section = 1; section <= 4; ++section) {
    numbers.push_back(Label("Section No.: " + std::to_string(section)));
  }
  // Four bands of 10 fill the 58 x 40 inside the margins; the first label 2 inside the left
  // edge, one line (1 at the project's font) under the band's top.
  for (int slot = 0; slot < 4; ++slot) {
    EXPECT_DOUBLE_EQ(numbers[slot].x, -27);
    EXPECT_NEAR(numbers[slot].y, 39 - 10 * slot, 1e-9);
  }
  device = RecordingDevice();
  sheets->Graphic.SetObject(device);
  EXPECT_TRUE(sheets->DrawOnObject(3));
  EXPECT_EQ(CountStartingWith("Section No.: "), 1u);
  EXPECT_NE(device.TextStartingWith("Section No.: 9"), nullptr);
}

TEST_F(CrossSheetTest, ScaleCoversThePageWithTheUsableSheetCentredOnTheOffset) {
  ScriptedDialogs dialogs;
  Open({.margin = 1.5f}, dialogs);
  sheets->XOffset = 100;
  sheets->DrawOnObject(1);
  EXPECT_DOUBLE_EQ(device.scale.Left, 70);   // 100 - 57 / 2 - 1.5
  EXPECT_DOUBLE_EQ(device.scale.Top, 40.5);  // 39 + 1.5
  EXPECT_DOUBLE_EQ(device.scale.Width, kSheetWidth);
  EXPECT_DOUBLE_EQ(device.scale.Height, -kSheetHeight);
}

TEST_F(CrossSheetTest, SectionIsDrawnTrueToScaleBetweenItsNeighbours) {
  ScriptedDialogs dialogs;
  Open({}, dialogs);
  sheets->DrawOnObject(1);
  const SectionRecord& first = records.sections[0];
  const auto ground = device.LinesOn("Ground", 2);
  const auto project = device.LinesOn("Project", 1);
  ASSERT_EQ(ground.size(), 4u * 12u);  // 6 points each side and the centre, per section
  const auto centreOf = [](const std::vector<DrawnLine>& lines) {
    const auto at = std::find_if(lines.begin(), lines.end(), [](auto& l) { return l.x2 == 0; });
    return at == lines.end() ? std::nan("") : at->y2;
  };
  const double groundCentre = centreOf(ground);
  const double projectCentre = centreOf(project);
  EXPECT_NEAR(projectCentre - groundCentre, first.PRElev - first.GRElev, 1e-4);
  EXPECT_NEAR(ground[1].y1 - groundCentre, first.GroundPoints(-5, 1) - first.GRElev, 1e-4);
  EXPECT_DOUBLE_EQ(ground[1].x1, -20);
  // The outermost points, 30 m out, are cut at the usable sheet's edges.
  EXPECT_DOUBLE_EQ(ground.front().x1, -29);
  EXPECT_DOUBLE_EQ(ground[11].x2, 29);
  // The middle of the two centre elevations halfway between the band's top and the next
  // band's top, each one line (1 unit at the project's font) above the band's first label.
  const double middle = (groundCentre + projectCentre) / 2;
  EXPECT_NEAR(middle, (Label("Section No.: 1").y + Label("Section No.: 2").y) / 2 + 1, 1e-4);
}

TEST_F(CrossSheetTest, ElementsOnTheirLayersWithTheirPensAndColours) {
  ScriptedDialogs dialogs;
  Open({.layers = true}, dialogs);
  sheets->PenFactor = 0.5f;
  sheets->DrawOnObject(1);
  const auto project = device.LinesOn("Project", 1);
  const auto layers = device.LinesOn("Compact", 5);
  const auto strip = device.LinesOn("Deco", 4);
  const auto mark = device.LinesOn("0", 3);
  EXPECT_FALSE(project.empty());
  EXPECT_FALSE(layers.empty());
  EXPECT_FALSE(strip.empty());
  EXPECT_EQ(mark.size(), 4u * 3u);
  EXPECT_FLOAT_EQ(project.front().width, 2 * 0.5f);
  EXPECT_FLOAT_EQ(device.LinesOn("Ground", 2).front().width, 0.5f);
  EXPECT_EQ(device.lines.size(), project.size() + layers.size() + strip.size() + mark.size() +
                                     device.LinesOn("Ground", 2).size() +
                                     device.LinesOn("0", 0).size() + device.LinesOn("0", 1).size());
  // Border along the margins and the title strip line.
  const auto border = device.LinesOn("0", 1);
  ASSERT_EQ(border.size(), 5u);
  EXPECT_DOUBLE_EQ(border[4].y1, 1);
  EXPECT_NE(device.TextStartingWith("Test road"), nullptr);
  EXPECT_NE(device.TextStartingWith("Cross sections"), nullptr);
}

TEST_F(CrossSheetTest, DatumLineAtTheLowestWholeElevationInItsBandUnlessSwitchedOff) {
  ScriptedDialogs dialogs;
  Open({}, dialogs);
  sheets->DrawOnObject(1);
  const auto datumLines = device.LinesOn("0", 0);
  const auto ground = device.LinesOn("Ground", 2);
  std::vector<DrawnText> bases;
  std::copy_if(device.texts.begin(), device.texts.end(), std::back_inserter(bases),
               [](auto& t) { return t.text.starts_with("Base: "); });
  ASSERT_EQ(datumLines.size(), 4u);
  ASSERT_EQ(bases.size(), 4u);
  for (int slot = 0; slot < 4; ++slot) {
    SCOPED_TRACE(slot);
    const DrawnLine& line = datumLines[slot];
    EXPECT_EQ(line.y1, line.y2);
    EXPECT_DOUBLE_EQ(line.x1, -27);  // under the labels' column
    EXPECT_DOUBLE_EQ(line.x2, 27);
    const double datum = std::stod(bases[slot].text.substr(6));
    EXPECT_EQ(datum, std::round(datum));
    // Within a metre above the band's lower edge; the bottom band's edge is the title strip.
    const double floor = std::max(30.0 - 10 * slot, 1.0);
    EXPECT_GE(line.y1, floor - 1e-9);
    EXPECT_LT(line.y1, floor + 1);
    // Drawn true to scale under the ground's centre.
    const SectionRecord& section = records.sections[slot];
    const DrawnLine& centre = ground[12 * slot + 5];
    ASSERT_EQ(centre.x2, 0);
    EXPECT_NEAR(centre.y2 - line.y1, section.GRElev - datum, 1e-4);
    EXPECT_DOUBLE_EQ(bases[slot].x, line.x1);
    EXPECT_DOUBLE_EQ(bases[slot].y, line.y1 + 1);
  }
  device = RecordingDevice();
  Open({.drawDatum = false}, dialogs);  // switched off
  sheets->DrawOnObject(1);
  EXPECT_TRUE(device.LinesOn("0", 0).empty());
  EXPECT_EQ(device.TextStartingWith("Base: "), nullptr);
}

TEST_F(CrossSheetTest, AreaLabelsNameEachCompactionLayerOneUnderTheOther) {
  ScriptedDialogs dialogs;
  Open({.layers = true}, dialogs);
  sheets->DrawOnObject(1);
  const DrawnText cut = Label("Cut : ");
  std::vector<DrawnText> column;
  for (const DrawnText& t : device.texts) {
    if (t.x == cut.x) {
      column.push_back(t);
    }
  }
  ASSERT_EQ(column.size(), 4u * 4u);
  // 7 inside the right edge (29), or as far in as the widest label needs to end 0.25 inside it.
  double end = 0;
  for (const DrawnText& t : column) {
    end = std::max(end, t.x + device.TextWidth(t.text));
  }
  EXPECT_LT(cut.x, 22);  // the recording device's labels are wider than 7
  EXPECT_DOUBLE_EQ(end, 28.75);
  const char* const kStarts[] = {"Cut : ", "Fill %95 : ", "Fill %90 : ", "Deca: "};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(column[k].text.rfind(kStarts[k], 0), 0u) << column[k].text;
    EXPECT_TRUE(column[k].text.ends_with(" m2")) << column[k].text;
    EXPECT_DOUBLE_EQ(column[k].y, cut.y - k);
  }
  EXPECT_EQ(CountStartingWith("X = "), 8u);
  EXPECT_EQ(CountStartingWith("PL= "), 4u);
}

TEST(SectionLabels, FillLinesFollowTheCompactionSettings) {
  ProjectRecord project;
  SectionAreas areas;
  areas.CutArea = 1.5;
  areas.FillArea = 12.25;
  areas.LayerArea = {3, 2.5, 0, 0, 0};
  areas.TopsoilArea = 0.75;
  EXPECT_EQ(AreaLabels(project, areas),
            (std::vector<std::string>{"Cut : 1.50 m2", "Fill: 12.25 m2", "Deca: 0.75 m2"}));
  project.Compaction = {95, 92.5f, 0, 88, 0};
  EXPECT_EQ(AreaLabels(project, areas),
            (std::vector<std::string>{"Cut : 1.50 m2", "Fill %95 : 12.25 m2",
                                      "Fill %92.5 : 3.00 m2", "Deca: 0.75 m2"}));
  project.Compaction = {0.5f, 0, 0, 0, 0};
  EXPECT_EQ(AreaLabels(project, areas)[1], "Fill %.5 : 12.25 m2");
}

TEST(SectionLabels, StationElevationsAndCatchPoints) {
  SectionResults results;
  results.Section.Kilo = 1;
  results.Section.Meter = 20.5f;
  results.SectionGroundCentre = 101.234;
  results.SectionProjectCentre = 102.5;
  results.GroundLine[1] = {{0, 101.034}, {5, 101}};
  results.CatchPoint[-1] = {-7.125, 100};
  results.CatchPoint[1] = {6.5, 100};
  EXPECT_EQ(StationLabels(12, results), (std::vector<std::string>{"Section No.: 12", "KM: 1+020.50",
                                                                  "GL: 101.03", "PL: 102.50"}));
  EXPECT_EQ(CatchPointLabel(results, -1), "X = 7.13");
  EXPECT_EQ(CatchPointLabel(results, 1), "X = 6.50");
  EXPECT_EQ(DatumLabel(95), "Base: 95.00");
  EXPECT_EQ(CentreLineLabel(results), "PL= 102.5");
  EXPECT_EQ(WallLabel(1.234), "Wall : 1.23  m");
}

TEST_F(CrossSheetTest, BadTypicalSectionNumberEndsTheSheet) {
  RecordingDialogs dialogs;
  Open({.badVariantAt = 2}, dialogs);
  EXPECT_FALSE(sheets->DrawOnObject(1));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].rfind("Message: Bad Variant number at station : ", 0), 0u);
  EXPECT_NE(device.TextStartingWith("Section No.: 1"), nullptr);
  EXPECT_EQ(CountStartingWith("Section No.: "), 1u);
  EXPECT_TRUE(device.LinesOn("0", 1).empty());  // no border
  EXPECT_EQ(device.TextStartingWith("Test road"), nullptr);
  // The next sheet is drawn normally.
  EXPECT_TRUE(sheets->DrawOnObject(2));
}

TEST_F(CrossSheetTest, SectionWithADataErrorShowsItsLabelsAndANoteButNoBodies) {
  RecordingDialogs dialogs;
  Open({.sectionsPerSheet = 1, .narrowGroundAt = 1}, dialogs);
  EXPECT_TRUE(sheets->DrawOnObject(1));
  EXPECT_FALSE(dialogs.shown.empty());
  const DrawnText* note = device.TextStartingWith(kDataErrorNote);
  ASSERT_NE(note, nullptr);
  // Under the four station labels of the left column.
  EXPECT_DOUBLE_EQ(note->x, Label("Section No.: 1").x);
  EXPECT_DOUBLE_EQ(note->y, Label("Section No.: 1").y - 5);
  EXPECT_NE(device.TextStartingWith("Cut : "), nullptr);
  EXPECT_TRUE(device.LinesOn("Project", 1).empty());
  EXPECT_TRUE(device.LinesOn("Deco", 4).empty());
  EXPECT_EQ(device.LinesOn("Ground", 2).size(), 2u);  // its short surveyed ground stays
  for (const DrawnLine& line : device.lines) {
    EXPECT_TRUE(std::isfinite(line.x1) && std::isfinite(line.y1) && std::isfinite(line.x2) &&
                std::isfinite(line.y2));
  }
  // A valid section carries no note.
  device = RecordingDevice();
  sheets->Graphic.SetObject(device);
  EXPECT_TRUE(sheets->DrawOnObject(2));
  EXPECT_EQ(device.TextStartingWith(kDataErrorNote), nullptr);
}

TEST_F(CrossSheetTest, SettingsWithoutRoomDrawNothing) {
  ScriptedDialogs dialogs;
  Open({.sectionsPerSheet = 0}, dialogs);
  EXPECT_EQ(sheets->SheetCount(), 0);
  EXPECT_NE(sheets->SettingsProblem(), "");
  EXPECT_FALSE(sheets->DrawOnObject(1));
  EXPECT_TRUE(device.lines.empty());
  EXPECT_TRUE(device.texts.empty());
}

}  // namespace
}  // namespace calvora
