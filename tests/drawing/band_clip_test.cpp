// A section's lines stay within its band, its labels within the sheet, on any page.

#include <gtest/gtest.h>

#include <optional>

#include "drawing/clip_line.h"
#include "drawing/cross_sheet.h"
#include "drawing/recording_device.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"

namespace calvora {
namespace {

TEST(ClipLine, KeepsThePartInsideTheRectangle) {
  const ClipRect box{0, 0, 10, 5};
  struct Case {
    const char* name;
    LinePoints line;
    std::optional<LinePoints> inside;
  };
  const Case cases[] = {
      {"inside", {1, 1, 9, 4}, LinePoints{1, 1, 9, 4}},
      {"through both sides", {-10, 2, 20, 2}, LinePoints{0, 2, 10, 2}},
      {"out through the top", {5, 1, 7, 9}, LinePoints{5, 1, 6, 5}},
      {"in from below, right to left", {12, -1, 8, 3}, LinePoints{10, 1, 8, 3}},
      {"along an edge", {0, -3, 0, 8}, LinePoints{0, 0, 0, 5}},
      {"beside the rectangle", {11, 0, 14, 5}, std::nullopt},
      {"past a corner", {9, 8, 13, 4}, std::nullopt},
      {"a point outside", {-1, -1, -1, -1}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto clipped = ClipLine(c.line, box);
    ASSERT_EQ(clipped.has_value(), c.inside.has_value());
    if (clipped) {
      EXPECT_NEAR(clipped->x1, c.inside->x1, 1e-12);
      EXPECT_NEAR(clipped->y1, c.inside->y1, 1e-12);
      EXPECT_NEAR(clipped->x2, c.inside->x2, 1e-12);
      EXPECT_NEAR(clipped->y2, c.inside->y2, 1e-12);
    }
  }
}

// Ground 30 m to each side is wider than an A4 sheet: every page must keep each section's lines
// in its band, the area labels inside the right edge and the datum line above the title strip.
TEST(SheetBands, LinesStayInTheirBandAndLabelsOnTheSheet) {
  testing::Road road(testing::SampleRoad({.layers = true}));
  const ProjectState& state = road.state;
  testing::RecordingDialogs dialogs;
  for (const bool landscape : {false, true}) {
    SCOPED_TRACE(landscape ? "landscape" : "portrait");
    CrossSheet sheets(state, dialogs);
    sheets.Sheet = SheetSizeOf(PageFormat::A4, landscape);
    testing::RecordingDevice device;
    sheets.Graphic.SetObject(device);
    ASSERT_TRUE(sheets.DrawOnObject(1));
    const double right = sheets.Sheet.Width / 2 - 1;  // usable half width
    const double bandHeight = (sheets.Sheet.Height - 2) / 4;
    int layerLines[4] = {};  // in each band, the lowest first
    for (const auto& line : device.lines) {
      if (line.layer == "0" && line.colour == 1) {
        continue;  // the border and the title strip
      }
      // Both ends in one band: the one the line's middle lies in.
      const double middle = (line.y1 + line.y2) / 2;
      const int band = static_cast<int>(middle / bandHeight);
      const double floor = std::max(band * bandHeight, 1.0), top = (band + 1) * bandHeight;
      layerLines[std::min(band, 3)] += line.layer == "Compact" ? 1 : 0;
      for (const double y : {line.y1, line.y2}) {
        EXPECT_GE(y, floor - 1e-9) << line.layer;
        EXPECT_LE(y, top + 1e-9) << line.layer;
      }
      for (const double x : {line.x1, line.x2}) {
        EXPECT_LE(std::abs(x), right + 1e-9) << line.layer;
      }
    }
    for (const auto& text : device.texts) {
      EXPECT_LE(text.x + device.TextWidth(text.text), right) << text.text;
    }
    // Section 2 lies in cut, sections 1 and 3 in fill: compaction layers under fill only.
    EXPECT_GT(layerLines[3], 0);
    EXPECT_EQ(layerLines[2], 0);
    EXPECT_GT(layerLines[1], 0);
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace calvora
