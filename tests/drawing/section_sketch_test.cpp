// The sketch of a section as typed: its ground, its design from the section engine when the
// typical cross-sections are loaded, the engine's messages, all at one scale.

#include "drawing/section_sketch.h"

#include <gtest/gtest.h>

#include "drawing/recording_device.h"
#include "support/road_project.h"

namespace calvora {
namespace {

constexpr int kGroundPen = 4;
constexpr int kDesignPen = 0;

struct Case {
  const char* name;
  bool variantsLoaded;
  testing::RoadOptions road;
  bool design;
  const char* message;  // the first line drawn, "" for none
};

TEST(SectionSketch, DrawsTheTypedGroundItsDesignAndTheEngineMessagesAtOneScale) {
  const Case cases[] = {
      {"no typical sections loaded", false, {}, false, ""},
      {"valid variant", true, {}, true, ""},
      {"bad variant", true, {.badVariantAt = 1}, false, "Bad Variant number at station :  0+0"},
      {"ground too narrow", true, {.narrowGroundAt = 1}, false, "Data Error in  0+0 Record number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const testing::RoadRecords road = testing::SampleRoad(c.road);
    testing::TempFolder folder;
    testing::WriteRoad(folder.Path(), road);
    ProjectState state;
    InitialiseNewProject(state.Project);
    if (c.variantsLoaded) {
      state.Var.FileName = "ROAD.VAR";
      state.Var.File.emplace(folder / "ROAD.VAR", VariantRecord::kLength);
    }
    const SectionRecord& typed = road.sections.front();
    SectionSketch sketch;
    sketch.Show(state, typed, 1);
    testing::RecordingDevice device;
    clsGraphic graphic;
    graphic.SetObject(device);
    sketch.Draw(graphic);

    const int points = typed.PointsOnSide(1);
    ASSERT_EQ(sketch.Ground().size(), std::size_t(2 * points + 1));
    EXPECT_EQ(sketch.Ground().front().x, typed.GroundPoints(-points, 0));
    EXPECT_EQ(sketch.Ground()[std::size_t(points)].y, typed.GRElev);
    EXPECT_GE(device.LinesOn("", kGroundPen).size(), std::size_t(2 * points));
    EXPECT_EQ(device.scale.Width, -device.scale.Height) << "equal scales on a square device";
    EXPECT_EQ(sketch.Design().empty(), !c.design);
    EXPECT_EQ(device.LinesOn("", kDesignPen).empty(), !c.design);
    if (*c.message == '\0') {
      EXPECT_TRUE(sketch.Messages().empty());
    } else {
      ASSERT_FALSE(sketch.Messages().empty());
      EXPECT_EQ(sketch.Messages().front().rfind(c.message, 0), 0u) << sketch.Messages().front();
      EXPECT_NE(device.TextStartingWith(c.message), nullptr);
    }
  }
}

TEST(SectionSketch, FieldsThatMakeNoSectionDrawOnlyTheirMessage) {
  SectionSketch sketch;
  sketch.ShowProblem("KM: 40000 cannot be stored");
  testing::RecordingDevice device;
  clsGraphic graphic;
  graphic.SetObject(device);
  sketch.Draw(graphic);
  EXPECT_TRUE(sketch.Ground().empty());
  EXPECT_NE(device.TextStartingWith("KM: 40000"), nullptr);
  EXPECT_TRUE(device.LinesOn("", kGroundPen).empty());
}

}  // namespace
}  // namespace calvora
