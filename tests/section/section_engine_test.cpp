// Hand-computed sections: every area below was worked out on paper from the trapezoids and
// triangles between the design line (or a layer's line) and the ground.

#include "section/section_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "numbers/number_text.h"
#include "section/section_areas.h"
#include "section_checks.h"

namespace calvora {
namespace {

using testing::ComputeOne;
using testing::MakeSection;
using testing::MakeVariant;
using testing::SumOfArea;
using testing::With;
using Line = std::vector<SectionPoint>;

// The project line at this elevation over flat ground at 100.
SectionRecord Over(double prElev) {
  return MakeSection(prElev, 100, {{20, 100}});
}
// Ground rising 1:10 to the right through the centre point.
const SectionRecord kSideHill = MakeSection(100, 100, {{20, 98}}, {{20, 102}});
// 2 m of fill; the right ground falls 1:1, faster than a 1:2 slope.
const SectionRecord kFallingRight = MakeSection(102, 100, {{20, 100}}, {{20, 80}});
// Nine surveyed points a side, the most a section holds.
const testing::OutwardPoints kNine{{2, 100},  {4, 100},  {6, 100},  {8, 100}, {10, 100},
                                   {12, 100}, {14, 100}, {16, 100}, {18, 100}};
const VariantRecord kFour = MakeVariant({{4, 0}}, 0.5);
const VariantRecord kFive = MakeVariant({{5, 0}}, 0.5);
const VariantRecord kFiveCut = MakeVariant({{5, 0}}, 0.5, {{3, 3}});  // 1:1 cut slopes
// A ditch 0.5 deep and 1 m wide at the bottom, then 1:1 up.
const VariantRecord kDitch = MakeVariant({{4, 0}}, 0.5, {{1, -0.5}, {2, -0.5}, {4, 1.5}});
const VariantRecord kFillDitch = MakeVariant({{4, 0}}, 0.5, {}, {{1, -0.6}, {2, -0.6}, {3, 0}});
// The ditch dropping vertically at the template end.
const VariantRecord kDropping = MakeVariant({{4, 0}}, 0.5, {{0, -0.5}, {1, -0.5}, {3, 1.5}});
const VariantRecord kWall = With(kFour, [](auto& v) { v.Wall = 10; });
// Limits 4 m either side (stored negative on the left) inside a 12 m template.
const VariantRecord kLimits =
    With(MakeVariant({{6, 0}}, 0.5), [](auto& v) { v.Limit[-1] = -4, v.Limit[1] = 4; });
const VariantRecord kStrip25 = With(kFour, [](auto& v) { v.Deco = 0.25f; });
const VariantRecord kStrip20 = With(kFour, [](auto& v) { v.Deco = 0.2f; });
const VariantRecord kSubgrade = With(kFour, [](auto& v) { v.SubG = 0.5f; });
// Ground falling 1:1 to 98.05 at 4 m, a road in cut to 2.025 m out.
const SectionRecord kFalling = MakeSection(100, 102.05, {{4, 98.05}, {20, 98.05}});
const VariantRecord kNarrowCut = MakeVariant({{2, 0}}, 0.25, {{1, 1}});

ProjectRecord Project(std::array<float, ProjectRecord::kLayerCount> thickness, int decaMethod = 0,
                      float decaThick = 0) {
  ProjectRecord project;
  project.Thickness = thickness;
  project.DecaMethod = static_cast<std::int16_t>(decaMethod);
  project.DecaThick = decaThick;
  return project;
}
const ProjectRecord kNoLayers = Project({});
const ProjectRecord kFixed10 = Project({}, 1, 10);  // stripping 10 m wide

// The kinds of a list of bodies left to right ("" leaves them unchecked), and the sums of their
// fill and cut areas (NaN: unchecked).
struct Bodies {
  std::string kinds;
  double fill = NAN;
  double cut = NAN;
};

void ExpectBodies(const std::vector<SectionPolygon>& polygons, const Bodies& expected,
                  const std::string& what) {
  std::ostringstream kinds;
  for (const SectionPolygon& polygon : polygons) {
    kinds << (kinds.tellp() > 0 ? " " : "") << PolygonKindText(polygon.Kind);
    EXPECT_FALSE(testing::HasSpike(polygon.Points)) << what;
  }
  if (!expected.kinds.empty()) {
    EXPECT_EQ(kinds.str(), expected.kinds) << what;
  }
  for (const auto& [kind, area] :
       {std::pair{PolygonKind::Fill, expected.fill}, std::pair{PolygonKind::Cut, expected.cut}}) {
    if (!std::isnan(area)) {
      EXPECT_NEAR(SumOfArea(polygons, kind), area, 1e-5) << what << " " << PolygonKindText(kind);
    }
  }
}

TEST(SectionEngine, BodiesStrippingAndLayersOfHandComputedSections) {
  struct Case {
    const char* name;
    SectionRecord section;
    VariantRecord variant;
    ProjectRecord project;
    Bodies design;
    double strip = 0;
    std::vector<Bodies> layers = {};
  };
  const VariantRecord farLimit = With(kFive, [](auto& v) { v.Limit[1] = 15; });
  const VariantRecord strip10 = With(kFiveCut, [](auto& v) { v.Deco = 0.1f; });
  const VariantRecord noLines = MakeVariant({}, 0.5);
  const VariantRecord noLinesSubgrade = With(noLines, [](auto& v) { v.SubG = 0.5f; });
  const VariantRecord vertexDitch =
      MakeVariant({{4, 0}}, 0.5, {{1, -0.5}, {2, -0.5}, {3, 1}, {5, 3}});
  const VariantRecord steep = With(MakeVariant({{2, 0}}, 1.5), [](auto& v) { v.Deco = 0.25f; });
  const SectionRecord nine = MakeSection(102, 100, kNine);
  const SectionRecord groundPoint = MakeSection(102, 100, {{5, 100}, {20, 100}});
  const SectionRecord edge = MakeSection(100, 99.25, {{2.5, 99.25}, {4.5, 100.75}});
  const Bodies sideHill{"fill cut", 1.5625, 1.25 + 0.25 / 1.8};
  const Case cases[] = {
      // Top 10 m, 2 m high, the slopes reaching the ground 4 m out: (10 + 18) / 2 * 2.
      {"flat fill", Over(102), kFive, kNoLayers, {"fill", 28, 0}},
      {"flat cut", Over(98), kFiveCut, kNoLayers, {"cut", 0, 24}},  // 10 at the bottom, 14 on top
      // Left 1.25 on the template and 0.3125 under the slope (6.25 m out); right 1.25 and
      // 0.5 * 0.5556 / 2 above the cut slope.
      {"side hill", kSideHill, kFiveCut, kNoLayers, sideHill},
      // To 7.5 m out: 2 * (4 + 1.25 + 1.5 + 1.125).
      {"ditch in cut", Over(99), kDitch, kNoLayers, {"cut", 0, 15.75}},
      // The ditch's third vertex on the ground: 2 * (4 + 1.25 + 1.5 + 0.75).
      {"ditch vertex on the ground", Over(99), vertexDitch, kNoLayers, {"cut", 0, 15}},
      // Dropping vertically at the template end: 2 * (4 + 1.5 + 1.125).
      {"vertical ditch wall", Over(99), kDropping, kNoLayers, {"cut", 0, 13.25}},
      // Fill 4.5; the fill ditch from 5 to 8 m out, 1.2 a side.
      {"low embankment", Over(100.5), kFillDitch, kNoLayers, {"cut fill cut", 4.5, 2.4}},
      {"high embankment: no fill ditch", Over(102), kFillDitch, kNoLayers, {"fill", 24, 0}},
      // The slope misses the ground and ends at the wall 10 m out: 12 left, 16 + 45 right.
      {"wall", kFallingRight, kWall, kNoLayers, {"fill", 73, 0}},
      // Limits 4 m either side inside a 12 m template: 8 * 2.
      {"limits", Over(102), kLimits, kNoLayers, {"fill", 16, 0}},
      {"limit beyond the catch point", Over(102), farLimit, kNoLayers, {"fill", 28, 0}},
      // Stripped 0.25 deep over 10 m; the fill stands in the stripped band.
      {"fixed-width stripping", Over(102), kStrip25, kFixed10, {"fill", 26.5, 0}, 2.5},
      {"nine ground points", nine, kStrip20, kFixed10, {"fill", 26, 0}, 2},
      // Stripping only in fill: under the whole 16 m embankment.
      {"stripping in fill", Over(102), kStrip25, kNoLayers, {"fill", 28, 0}, 4},
      // Fill from 6.25 m left to 1 m right on the stripped surface (1.5625 - 0.05 + 0.1 *
      // 7.25), cut from there to the surveyed ground.
      {"stripping in fill on a side hill",
       kSideHill,
       strip10,
       kNoLayers,
       {"fill cut", 1.5125 + 0.725, 1.2 + 0.25 / 1.8},
       0.725},
      // Subgrade 0.5: the line at 101.5 reaches the slope 5 m out.
      {"subgrade", Over(102), kSubgrade, kNoLayers, {"fill", 19.5, 0}},
      {"template end on a ground point", groundPoint, kFive, kNoLayers, {"fill", 28, 0}},
      {"no template lines: slope from the centre", Over(101), noLines, kNoLayers, {"fill", 2, 0}},
      {"zero first thickness: no layers", Over(102), kFour, Project({0, 0.3f}), {"fill", 24, 0}},
      // Layer lines at 101.5 to 5 m out and at 101.2 to 5.6 m out.
      {"layers",
       Over(102),
       kFour,
       Project({0.5f, 0.3f}),
       {"fill", 24, 0},
       0,
       {{"fill", 19.5}, {"fill", 16.32}}},
      // The zero third thickness ends the layers; their lines at 101.2 and 101.0.
      {"layers under a subgrade",
       Over(102),
       kSubgrade,
       Project({0.3f, 0.2f, 0, 0.4f}),
       {"fill", 19.5, 0},
       0,
       {{"fill", 16.32}, {"fill", 14}}},
      // 1 m out at 100.5, then 1:2 to the ground; the layer 0.25 lower 1.5 m out.
      {"no template lines, a subgrade",
       Over(101),
       noLinesSubgrade,
       Project({0.25f}),
       {"fill", 1.5, 0},
       0,
       {{"fill", 0.875}}},
      // The layer line 0.3 lower, ending 4.6 m out: 2 * (4 * 1.3 + 0.6 * 1.5).
      {"layer, vertical ditch wall",
       Over(99),
       kDropping,
       Project({0.3f}),
       {"cut", 0, 13.25},
       0,
       {{"cut", 0, 12.2}}},
      // A road in cut on ground falling 1:1: no fill, in its layer neither.
      {"layer in cut", kFalling, kNarrowCut, Project({0.3f}), {"cut", 0}, 0, {{"", 0}}},
      {"layer under the ground",
       Over(99),
       kDitch,
       Project({0.3f}),
       {"cut", 0, 15.75},
       0,
       {{"", 0}}},
      // The layer line at 99.8 crosses the ground at x = -2: fill 0.85 * 0.34 / 2 + 3.4 *
      // 0.34 / 2.
      {"side-hill layer",
       kSideHill,
       kFiveCut,
       Project({0.2f}),
       sideHill,
       0,
       {{"fill cut", 0.7225}}},
      // The 1.5 fill slope catches on the stripping edge at (2.5, 99.25): layer 0 down the
      // slope to it, 14/3 * 0.5 + 2 * 1/6 * 0.375; layer 1 under the stripped ground out to
      // the edges, closing down the edge's step: 5 * 0.25.
      {"layers at a stripping edge",
       edge,
       steep,
       Project({0.5f, 0.75f}, 1, 5),
       {},
       5 * 0.25,
       {{"fill", 7.0 / 3 + 0.125, 0}, {"cut", 0, 1.25}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SectionResults r = ComputeOne(c.section, c.variant, c.project);
    ASSERT_TRUE(r.Valid());
    EXPECT_TRUE(r.Messages.empty());
    ExpectBodies(r.SectionPolygons, c.design, "design");
    EXPECT_NEAR(SumOfArea(r.StripPolygons, PolygonKind::Cut), c.strip, 1e-5);
    EXPECT_EQ(ComputeSectionAreas(r).TopsoilArea, c.strip == 0 ? 0 : RoundTo(c.strip, 2));
    ASSERT_EQ(r.LayerPolygons.size(), c.layers.size());
    for (std::size_t j = 0; j < c.layers.size(); ++j) {
      ExpectBodies(r.LayerPolygons[j], c.layers[j], "layer " + std::to_string(j));
    }
  }
}

TEST(SectionEngine, CatchPointsAndSideStates) {
  struct Case {
    const char* name;
    SectionRecord section;
    VariantRecord variant;
    SectionPoint left, right;
    const char* leftState;
    const char* rightState;
    ProjectRecord project = {};
  };
  const char* over = kDesignOverGround.data();
  const char* under = kDesignUnderGround.data();
  const VariantRecord steepRight = With(kFive, [](auto& v) { v.FillSlope[1] = 1; });
  const VariantRecord flatterRight = With(kFiveCut, [](auto& v) { v.CutTran(1, 1) = 1.5f; });
  // The slope meets the rising ground first, 135/23 m out, before it crosses it twice more.
  const SectionRecord crossedThrice = MakeSection(102, 100, {{6, 101.6}, {8, 99}, {20, 99}});
  const SectionPoint first{135 / 23.0, 2336 / 23.0};
  const Case cases[] = {
      {"flat fill", Over(102), kFive, {-9, 100}, {9, 100}, over, over},
      {"each side its own slope", Over(102), steepRight, {-9, 100}, {7, 100}, over, over},
      {"three crossings", crossedThrice, kFive, {-first.x, first.y}, first, over, over},
      {"flat cut", Over(98), kFiveCut, {-7, 100}, {7, 100}, under, under},
      {"each side its own cut slope", Over(98), flatterRight, {-7, 100}, {9, 100}, under, under},
      {"side hill", kSideHill, kFiveCut, {-6.25, 99.375}, {50 / 9.0, 100 + 5 / 9.0}, over, under},
      {"ditch in cut", Over(99), kDitch, {-7.5, 100}, {7.5, 100}, under, under},
      {"low embankment", Over(100.5), kFillDitch, {-5, 100}, {5, 100}, over, over},
      {"wall", kFallingRight, kWall, {-8, 100}, {10, 99}, over, over},
      {"no wall: the stripping edge 15 m out",
       kFallingRight,
       kStrip20,
       {-8.4, 99.8},
       {15, 85},
       over,
       over,
       Project({}, 1, 30)},
      {"layers: the side results describe the design line",
       Over(102),
       kSubgrade,
       {-8, 100},
       {8, 100},
       over,
       over,
       Project({0.3f, 0.2f})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SectionResults r = ComputeOne(c.section, c.variant, c.project);
    EXPECT_NEAR(r.CatchPoint[-1].x, c.left.x, 1e-5);
    EXPECT_NEAR(r.CatchPoint[-1].y, c.left.y, 1e-5);
    EXPECT_NEAR(r.CatchPoint[1].x, c.right.x, 1e-5);
    EXPECT_NEAR(r.CatchPoint[1].y, c.right.y, 1e-5);
    EXPECT_EQ(r.SideState[-1], c.leftState);
    EXPECT_EQ(r.SideState[1], c.rightState);
  }
}

TEST(SectionEngine, LinesOfTheRightSide) {
  struct Case {
    const char* name;
    SectionRecord section;
    VariantRecord variant;
    ProjectRecord project;
    SignedArray<Line, -1, 1> SectionResults::*line;
    Line expected;
  };
  const Case cases[] = {
      {"ditch in cut",
       Over(99),
       kDitch,
       {},
       &SectionResults::DesignLine,
       {{0, 99}, {4, 99}, {5, 98.5}, {6, 98.5}, {7.5, 100}}},
      {"fill ditch hanging from the catch point",
       Over(100.5),
       kFillDitch,
       {},
       &SectionResults::DesignLine,
       {{0, 100.5}, {4, 100.5}, {5, 100}, {6, 99.4}, {7, 99.4}, {8, 100}}},
      {"limit", Over(102), kLimits, {}, &SectionResults::DesignLine, {{0, 102}, {4, 102}}},
      {"subgrade in fill",
       Over(102),
       kSubgrade,
       {},
       &SectionResults::DesignLine,
       {{0, 101.5}, {5, 101.5}, {8, 100}}},
      {"subgrade in fill: the template stays",
       Over(102),
       kSubgrade,
       {},
       &SectionResults::TemplateLine,
       {{0, 102}, {4, 102}}},
      {"fixed-width stripping: the ground steps down 0.25 at the edge",
       Over(102),
       kStrip25,
       kFixed10,
       &SectionResults::GroundLine,
       {{0, 99.75}, {5, 99.75}, {5, 100}, {20, 100}}},
      {"fixed-width stripping keeps all nine surveyed points",
       MakeSection(102, 100, kNine),
       kStrip20,
       kFixed10,
       &SectionResults::GroundLine,
       {{0, 99.8},
        {2, 99.8},
        {4, 99.8},
        {5, 99.8},
        {5, 100},
        {6, 100},
        {8, 100},
        {10, 100},
        {12, 100},
        {14, 100},
        {16, 100},
        {18, 100}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SectionResults r = ComputeOne(c.section, c.variant, c.project);
    const Line& line = (r.*c.line)[1];
    ASSERT_EQ(line.size(), c.expected.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
      EXPECT_NEAR(line[i].x, c.expected[i].x, 1e-6) << i;
      EXPECT_NEAR(line[i].y, c.expected[i].y, 1e-6) << i;
    }
  }
}

TEST(SectionEngine, LengthsWallAndMarks) {
  SectionResults r = ComputeOne(Over(102), kFive);
  EXPECT_NEAR(r.FsLength, 2 * std::hypot(4.0, 2.0), 1e-9);
  EXPECT_EQ(r.CsLength, 0);
  EXPECT_EQ(r.WallHeight, 0);
  EXPECT_FLOAT_EQ(r.Station, 1020.5f);
  EXPECT_EQ(r.SectionGroundCentre, 100);
  EXPECT_EQ(r.SectionProjectCentre, 102);
  EXPECT_EQ(r.LimitPoint[1], (SectionPoint{0, 0}));
  r = ComputeOne(Over(99), kDitch);
  EXPECT_NEAR(r.CsLength, 2 * (std::hypot(1.0, 0.5) + 1 + std::hypot(1.5, 1.5)), 1e-9);
  EXPECT_EQ(r.CatchGroundIndex[1], 0);
  r = ComputeOne(MakeSection(102, 100, {{5, 100}, {20, 100}}), kFive);
  EXPECT_EQ(r.CatchGroundIndex[1], 1);
  r = ComputeOne(Over(102), kSubgrade);
  EXPECT_NEAR(r.FsLength, 2 * std::sqrt(20.0), 1e-9);  // the slope with its prolongation
  // A subgrade 0.5 under a cut side meets the 1:1 ditch slope falling from the template end.
  r = ComputeOne(Over(99), With(MakeVariant({{4, 0}}, 0.5, {{1, -1}, {2, -1}, {4, 1}}),
                                [](auto& v) { v.SubG = 0.5f; }));
  EXPECT_NEAR(r.DesignLine[1][1].x, 4.5, 1e-9);
  EXPECT_NEAR(r.DesignLine[1][1].y, 98.5, 1e-9);
  r = ComputeOne(kFallingRight, kWall);
  EXPECT_NEAR(r.WallHeight, 9, 1e-9);
  EXPECT_EQ(r.WallFootX, 10);
  EXPECT_NEAR(r.WallFootY, 90, 1e-9);
  r = ComputeOne(kFallingRight, kStrip20, Project({}, 1, 30));
  EXPECT_EQ(r.CatchPoint[1], r.StripEdge[1]);
  EXPECT_EQ(r.WallHeight, 0);
  r = ComputeOne(Over(102), kLimits);
  EXPECT_EQ(r.LimitPoint[-1], (SectionPoint{-4, 102}));
  EXPECT_EQ(r.LimitPoint[1], (SectionPoint{4, 102}));
  r = ComputeOne(Over(102), kStrip25, kFixed10);
  EXPECT_EQ(r.StripEdge[-1], (SectionPoint{-5, 100}));
  EXPECT_EQ(r.StripEdge[1], (SectionPoint{5, 100}));
  EXPECT_EQ(r.StripEdgeIndex[1], 0);
}

TEST(SectionEngine, LayerLinesKeepWithinTheirBounds) {
  struct Case {
    const char* name;
    SectionRecord section;
    VariantRecord variant;
    float thickness;
    double reach, low, high;  // no layer point farther out, lower or higher
  };
  const Case cases[] = {
      {"ground falling 1:1 to 98.05 at 4 m, the road in cut to 2.025 m out: the layer line's end "
       "carried 1.2 m along the 1:4 fill slope lies above the ground, yet no embankment",
       kFalling, kNarrowCut, 0.3f, 2.025, 0, 200},
      {"the layer's template end moves 5 m out onto the ground's vertical step at 7.875, the "
       "ditch dropping straight down: its body closes up to the step's foot",
       MakeSection(97.5, 99.9375, {{7.875, 103.046875}, {7.875, 103.921875}, {30, 103.921875}}),
       MakeVariant({{1.9375, -0.1875}, {2.875, -0.375}}, 0.25,
                   {{0, -0.3125}, {6, -0.3125}, {7, 7}}),
       0.25f, 7.875, 0, 103.046875},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SectionResults r = ComputeOne(c.section, c.variant, Project({c.thickness}));
    ASSERT_TRUE(r.Valid());
    ASSERT_EQ(r.LayerPolygons.size(), 1u);
    ASSERT_FALSE(r.LayerPolygons[0].empty());
    for (const SectionPolygon& body : r.LayerPolygons[0]) {
      EXPECT_FALSE(testing::HasSpike(body.Points));
      for (const SectionPoint& p : body.Points) {
        EXPECT_LE(std::fabs(p.x), c.reach + 1e-5);
        EXPECT_GE(p.y, c.low - 1e-5);
        EXPECT_LE(p.y, c.high + 1e-9);
      }
    }
  }
}

TEST(SectionEngine, EngineRereadsTheRecordsForEveryCall) {
  testing::Road road({{}, {Over(102), Over(98)}, {kFive}});
  SectionEngine engine;
  engine.ComputeSection(road.state, 1);
  const double first = SumOfArea(engine.Results().SectionPolygons, PolygonKind::Fill);
  engine.ComputeSection(road.state, 2);
  engine.ComputeSection(road.state, 1);
  EXPECT_EQ(SumOfArea(engine.Results().SectionPolygons, PolygonKind::Fill), first);
  EXPECT_EQ(engine.Results().Record, 1);
}

}  // namespace
}  // namespace calvora
