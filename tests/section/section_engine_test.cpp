// Hand-computed sections: every area below was worked out on paper from the trapezoids and
// triangles between the design line and the ground.

#include "section/section_engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "section/section_areas.h"
#include "section_builder.h"

namespace calvora {
namespace {

using ::testing::DoubleNear;
using testing::MakeSection;
using testing::MakeVariant;
using testing::SumOfArea;

constexpr double kExact = 1e-9;

std::vector<std::string> Kinds(const std::vector<SectionPolygon>& polygons) {
  std::vector<std::string> kinds;
  for (const SectionPolygon& polygon : polygons) {
    kinds.emplace_back(PolygonKindText(polygon.Kind));
  }
  return kinds;
}

const testing::OutwardPoints kFlatGround{{20, 100}};

TEST(SectionEngine, FlatGroundWhollyInFillIsOneTrapezoid) {
  // Top 10 m wide, 2 m high, slopes 1:2 reaching the ground 4 m out: (10 + 18) / 2 * 2 = 28.
  const SectionResults r =
      testing::ComputeOne(MakeSection(102, 100, kFlatGround), MakeVariant({{5, 0}}, 0.5));
  ASSERT_TRUE(r.Valid());
  EXPECT_THAT(Kinds(r.SectionPolygons), ::testing::ElementsAre("fill"));
  EXPECT_NEAR(PolygonArea(r.SectionPolygons[0].Points), 28.0, kExact);
  EXPECT_EQ(r.SideState[-1], "P over   G");
  EXPECT_EQ(r.SideState[1], "P over   G");
  EXPECT_EQ(r.CatchPoint[-1], (SectionPoint{-9, 100}));
  EXPECT_EQ(r.CatchPoint[1], (SectionPoint{9, 100}));
  EXPECT_EQ(r.WallHeight, 0);
  EXPECT_NEAR(r.FsLength, 2 * std::hypot(4.0, 2.0), kExact);
  EXPECT_FLOAT_EQ(r.Station, 1020.5f);
  EXPECT_EQ(r.SectionGroundCentre, 100);
  EXPECT_EQ(r.SectionProjectCentre, 102);
  EXPECT_TRUE(r.Messages.empty());
}

TEST(SectionEngine, FlatGroundWhollyInCutRisesOnTheCutSlope) {
  // 2 m deep, 10 m wide at the bottom, cut slopes 1:1: (10 + 14) / 2 * 2 = 24.
  VariantRecord variant = MakeVariant({{5, 0}}, 0.5);
  testing::SetCutDitch(variant, {{3, 3}});
  const SectionResults r = testing::ComputeOne(MakeSection(98, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_THAT(Kinds(r.SectionPolygons), ::testing::ElementsAre("cut"));
  EXPECT_NEAR(PolygonArea(r.SectionPolygons[0].Points), 24.0, kExact);
  EXPECT_EQ(r.SideState[1], "P under G");
  EXPECT_NEAR(r.CatchPoint[1].x, 7, kExact);
  EXPECT_NEAR(r.CatchPoint[-1].x, -7, kExact);
  EXPECT_NEAR(r.CsLength, 2 * std::hypot(2.0, 2.0), kExact);
  EXPECT_EQ(r.CatchGroundIndex[1], 0);
}

TEST(SectionEngine, SideHillSectionSplitsIntoCutAndFill) {
  // Ground rising 1:10 to the right through the centre point; flat 10 m template at 100.
  // Left: fill 1.25 on the template and 0.3125 under the slope (which meets the ground 6.25 m
  // out). Right: cut 1.25 on the template and 0.5 * 0.5556 / 2 above the 1:1 cut slope.
  const SectionRecord section = MakeSection(100, 100, {{20, 98}}, {{20, 102}});
  VariantRecord variant = MakeVariant({{5, 0}}, 0.5);
  testing::SetCutDitch(variant, {{3, 3}});
  const SectionResults r = testing::ComputeOne(section, variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_THAT(Kinds(r.SectionPolygons), ::testing::ElementsAre("fill", "cut"));
  EXPECT_NEAR(PolygonArea(r.SectionPolygons[0].Points), 1.5625, 1e-5);
  EXPECT_NEAR(PolygonArea(r.SectionPolygons[1].Points), 1.25 + 0.25 / 1.8, 1e-5);
  EXPECT_EQ(r.SideState[-1], "P over   G");
  EXPECT_EQ(r.SideState[1], "P under G");
  EXPECT_NEAR(r.CatchPoint[-1].x, -6.25, 1e-5);
  EXPECT_NEAR(r.CatchPoint[-1].y, 99.375, 1e-5);
  const SectionAreas areas = ComputeSectionAreas(r);
  EXPECT_EQ(areas.FillArea, 1.56);
  EXPECT_EQ(areas.CutArea, 1.39);
  EXPECT_EQ(areas.PolygonCount, 2);
}

TEST(SectionEngine, DitchInCutFollowsItsVerticesToTheCutSlope) {
  // 1 m cut, template 8 m; ditch 0.5 deep and 1 m wide at the bottom, then a 1:1 slope that
  // meets the ground 7.5 m out: per side 4 + 1.25 + 1.5 + 1.125.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  testing::SetCutDitch(variant, {{1, -0.5}, {2, -0.5}, {4, 1.5}});
  const SectionResults r = testing::ComputeOne(MakeSection(99, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_THAT(Kinds(r.SectionPolygons), ::testing::ElementsAre("cut"));
  EXPECT_NEAR(PolygonArea(r.SectionPolygons[0].Points), 15.75, kExact);
  EXPECT_NEAR(r.CatchPoint[1].x, 7.5, kExact);
  EXPECT_THAT(r.DesignLine[1], ::testing::ElementsAre(SectionPoint{0, 99}, SectionPoint{4, 99},
                                                      SectionPoint{5, 98.5}, SectionPoint{6, 98.5},
                                                      SectionPoint{7.5, 100}));
  EXPECT_NEAR(r.CsLength, 2 * (std::hypot(1.0, 0.5) + 1 + std::hypot(1.5, 1.5)), 1e-9);
}

TEST(SectionEngine, CatchPointExactlyOnADitchVertexIsFound) {
  // The ditch's third vertex lies on the ground: the section ends there.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  testing::SetCutDitch(variant, {{1, -0.5}, {2, -0.5}, {3, 1}, {5, 3}});
  const SectionResults r = testing::ComputeOne(MakeSection(99, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_NEAR(r.CatchPoint[1].x, 7, kExact);
  EXPECT_NEAR(r.CatchPoint[1].y, 100, kExact);
}

TEST(SectionEngine, CutDitchStartingWithAVerticalDropIsFollowed) {
  // A vertical 0.5 m drop at the template end, 1 m of ditch bottom, then 1:1 to the ground:
  // per side 4 + 1.5 + 1.125.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  testing::SetCutDitch(variant, {{0, -0.5}, {1, -0.5}, {3, 1.5}});
  variant.CutTran(-1, 0) = 0;  // the left side's first offset is zero too (no -0 needed)
  const SectionResults r = testing::ComputeOne(MakeSection(99, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_NEAR(PolygonArea(r.SectionPolygons[0].Points), 13.25, kExact);
  EXPECT_NEAR(r.CatchPoint[1].x, 6.5, kExact);
}

TEST(SectionEngine, LowEmbankmentGetsItsFillDitchAsACutBody) {
  // 0.5 m embankment, slope 1:2 to the ground 5 m out; the fill ditch (0.6 deep, 1 m bottom)
  // hangs from there and comes back to the ground 8 m out.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  testing::SetFillDitch(variant, {{1, -0.6}, {2, -0.6}, {3, 0}});
  const SectionResults r = testing::ComputeOne(MakeSection(100.5, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  ASSERT_THAT(Kinds(r.SectionPolygons), ::testing::ElementsAre("cut", "fill", "cut"));
  EXPECT_NEAR(PolygonArea(r.SectionPolygons[0].Points), 1.2, 1e-6);
  EXPECT_NEAR(PolygonArea(r.SectionPolygons[1].Points), 4.5, 1e-6);
  EXPECT_NEAR(PolygonArea(r.SectionPolygons[2].Points), 1.2, 1e-6);
  EXPECT_NEAR(r.CatchPoint[1].x, 5, 1e-6);
  EXPECT_NEAR(r.DesignLine[1].back().x, 8, 1e-6);
}

TEST(SectionEngine, HighEmbankmentHasNoFillDitch) {
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  testing::SetFillDitch(variant, {{1, -0.6}, {2, -0.6}, {3, 0}});
  const SectionResults r = testing::ComputeOne(MakeSection(102, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_THAT(Kinds(r.SectionPolygons), ::testing::ElementsAre("fill"));
}

TEST(SectionEngine, EmbankmentThatMissesTheGroundEndsAtTheWall) {
  // Right ground falls 1:1, faster than the 1:2 slope: the embankment ends at the wall 10 m
  // out, 9 m above the ground there. Fill: left 12, right 16 + 45.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  variant.Wall = 10;
  const SectionRecord section = MakeSection(102, 100, {{20, 100}}, {{20, 80}});
  const SectionResults r = testing::ComputeOne(section, variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_NEAR(r.WallHeight, 9, kExact);
  EXPECT_EQ(r.WallFootX, 10);
  EXPECT_NEAR(r.WallFootY, 90, kExact);
  EXPECT_NEAR(r.CatchPoint[1].x, 10, kExact);
  EXPECT_NEAR(r.CatchPoint[1].y, 99, kExact);
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Fill), 73, kExact);
}

TEST(SectionEngine, EmbankmentWithoutWallEndsAtTheFixedWidthStrippingEdge) {
  // The slope misses the falling ground; Wall is 0 and the stripping edge 15 m out serves as
  // the catch point.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  variant.Deco = 0.2f;
  ProjectRecord project;
  project.DecaMethod = 1;
  project.DecaThick = 30;
  const SectionRecord section = MakeSection(102, 100, {{20, 100}}, {{20, 80}});
  const SectionResults r = testing::ComputeOne(section, variant, project);
  ASSERT_TRUE(r.Valid());
  EXPECT_EQ(r.CatchPoint[1], r.StripEdge[1]);
  EXPECT_EQ(r.StripEdge[1], (SectionPoint{15, 85}));
  EXPECT_EQ(r.WallHeight, 0);
}

TEST(SectionEngine, SectionLimitsCutTheDesignLineOnBothSides) {
  // Limits 4 m either side inside a 12 m template, 2 m of fill: 8 * 2.
  VariantRecord variant = MakeVariant({{6, 0}}, 0.5);
  variant.Limit[-1] = -4;  // stored negative on the left
  variant.Limit[1] = 4;
  const SectionResults r = testing::ComputeOne(MakeSection(102, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Fill), 16, kExact);
  EXPECT_EQ(r.LimitPoint[-1], (SectionPoint{-4, 102}));
  EXPECT_EQ(r.LimitPoint[1], (SectionPoint{4, 102}));
  EXPECT_EQ(r.DesignLine[1].back(), (SectionPoint{4, 102}));
}

TEST(SectionEngine, LimitBeyondTheCatchPointChangesNothing) {
  VariantRecord variant = MakeVariant({{5, 0}}, 0.5);
  variant.Limit[1] = 15;
  const SectionResults r = testing::ComputeOne(MakeSection(102, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Fill), 28, kExact);
  EXPECT_EQ(r.LimitPoint[1], (SectionPoint{0, 0}));
}

ProjectRecord Stripping(int method, double width) {
  ProjectRecord project;
  project.DecaMethod = static_cast<std::int16_t>(method);
  project.DecaThick = static_cast<float>(width);
  return project;
}

TEST(SectionEngine, FixedWidthStrippingIsDepthTimesWidthOnFlatGround) {
  // Stripped 0.25 deep over 10 m: 2.5; the embankment (24 above the ground) also fills the
  // stripped band: 26.5.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  variant.Deco = 0.25f;
  const SectionResults r =
      testing::ComputeOne(MakeSection(102, 100, kFlatGround), variant, Stripping(1, 10));
  ASSERT_TRUE(r.Valid());
  ASSERT_EQ(r.StripPolygons.size(), 1u);
  EXPECT_NEAR(PolygonArea(r.StripPolygons[0].Points), 2.5, kExact);
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Fill), 26.5, kExact);
  EXPECT_EQ(r.StripEdge[-1], (SectionPoint{-5, 100}));
  EXPECT_EQ(r.StripEdge[1], (SectionPoint{5, 100}));
  EXPECT_EQ(r.StripEdgeIndex[1], 0);
  // The ground now steps down at the edges and lies 0.25 lower inside them.
  EXPECT_THAT(r.GroundLine[1],
              ::testing::ElementsAre(SectionPoint{0, 99.75}, SectionPoint{5, 99.75},
                                     SectionPoint{5, 100}, SectionPoint{20, 100}));
  EXPECT_EQ(ComputeSectionAreas(r).TopsoilArea, 2.5);
}

TEST(SectionEngine, StrippingOnlyInFillLiesUnderTheWholeEmbankment) {
  // Catch points 8 m out: band 16 m * 0.25; the fill stands on the stripped surface.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  variant.Deco = 0.25f;
  const SectionResults r =
      testing::ComputeOne(MakeSection(102, 100, kFlatGround), variant, Stripping(0, 0));
  ASSERT_TRUE(r.Valid());
  EXPECT_NEAR(SumOfArea(r.StripPolygons, PolygonKind::Cut), 4.0, kExact);
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Fill), 28.0, kExact);
  EXPECT_EQ(ComputeSectionAreas(r).TopsoilArea, 4.0);
}

TEST(SectionEngine, StrippingOnlyInFillLeavesCutUnstripped) {
  // Side hill: the fill half gets its band, the cut half is measured to the surveyed ground.
  VariantRecord variant = MakeVariant({{5, 0}}, 0.5);
  testing::SetCutDitch(variant, {{3, 3}});
  variant.Deco = 0.1f;
  const SectionRecord section = MakeSection(100, 100, {{20, 98}}, {{20, 102}});
  const SectionResults r = testing::ComputeOne(section, variant, Stripping(0, 0));
  ASSERT_TRUE(r.Valid());
  EXPECT_THAT(Kinds(r.SectionPolygons), ::testing::ElementsAre("fill", "cut"));
  // The design line meets the stripped surface (0.1 below the ground) 1 m right of the centre.
  EXPECT_NEAR(r.SectionPolygons[1].Points.front().x, 1.0, 1e-6);
  // Cut from there, measured to the surveyed ground: 0.05 * (25 - 1), and the cut slope.
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Cut), 1.2 + 0.25 / 1.8, 1e-5);
  // Fill from the left catch point (6.25 out) to x = 1, on the stripped surface:
  // 1.5625 - 0.05 above the ground and 0.1 * 7.25 of stripped topsoil.
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Fill), 1.5125 + 0.725, 1e-5);
  EXPECT_NEAR(SumOfArea(r.StripPolygons, PolygonKind::Cut), 0.725, 1e-5);
}

TEST(SectionEngine, SubgradeLowersTheDesignLineAndShiftsTheTemplateEnds) {
  // Subgrade 0.5 under a 2 m embankment: the line at 101.5 reaches the 1:2 slope 5 m out;
  // (10 + 16) / 2 * 1.5. The whole fill slope, with its prolongation, is sqrt(20) per side.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  variant.SubG = 0.5f;
  const SectionResults r = testing::ComputeOne(MakeSection(102, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Fill), 19.5, kExact);
  EXPECT_THAT(
      r.DesignLine[1],
      ::testing::ElementsAre(SectionPoint{0, 101.5}, SectionPoint{5, 101.5}, SectionPoint{8, 100}));
  EXPECT_NEAR(r.FsLength, 2 * std::sqrt(20.0), 1e-9);
  EXPECT_EQ(r.TemplateLine[1].back(), (SectionPoint{4, 102}));
}

TEST(SectionEngine, SubgradeOnACutSideMovesTheEndOntoTheDitch) {
  // Cut side with a 1:1 ditch slope falling from the template end: the subgrade line (0.5
  // lower) meets it 0.5 m further out.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  testing::SetCutDitch(variant, {{1, -1}, {2, -1}, {4, 1}});
  variant.SubG = 0.5f;
  const SectionResults r = testing::ComputeOne(MakeSection(99, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_EQ(r.SideState[1], "P under G");
  EXPECT_NEAR(r.DesignLine[1][1].x, 4.5, kExact);
  EXPECT_NEAR(r.DesignLine[1][1].y, 98.5, kExact);
}

TEST(SectionEngine, TwoCompactionLayersOnAFlatEmbankment) {
  // Subgrade line at 101.5 (fill 19.5); layer 0 line at 101.2 reaching the slope 5.6 m out
  // ((11.2 + 16) / 2 * 1.2 = 16.32), layer 1 line at 101.0 reaching it 6 m out (14).
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  variant.SubG = 0.5f;
  ProjectRecord project;
  project.Thickness = {0.3f, 0.2f, 0, 0.4f, 0};
  const SectionResults r =
      testing::ComputeOne(MakeSection(102, 100, kFlatGround), variant, project);
  ASSERT_TRUE(r.Valid());
  ASSERT_EQ(r.LayerPolygons.size(), 2u);  // the zero third thickness ends the layers
  EXPECT_NEAR(SumOfArea(r.LayerPolygons[0], PolygonKind::Fill), 16.32, 1e-5);
  EXPECT_NEAR(SumOfArea(r.LayerPolygons[1], PolygonKind::Fill), 14, 1e-5);
  const SectionAreas areas = ComputeSectionAreas(r);
  EXPECT_NEAR(areas.FillArea, 19.5 - 16.32, 1e-9);
  EXPECT_NEAR(areas.LayerArea[0], 16.32 - 14, 1e-9);
  EXPECT_NEAR(areas.LayerArea[1], 14, 1e-9);
  EXPECT_EQ(areas.LayerArea[2], 0);
  // The side results still describe the design line, not the last layer.
  EXPECT_NEAR(r.CatchPoint[1].x, 8, kExact);
}

TEST(SectionEngine, TemplateEndExactlyOnAGroundPointIsFound) {
  const SectionRecord section = MakeSection(102, 100, {{5, 100}, {20, 100}});
  const SectionResults r = testing::ComputeOne(section, MakeVariant({{5, 0}}, 0.5));
  ASSERT_TRUE(r.Valid());
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Fill), 28.0, kExact);
  EXPECT_EQ(r.CatchGroundIndex[1], 1);
}

TEST(SectionEngine, SideWithoutTemplateLinesStartsItsSlopeAtTheCentre) {
  VariantRecord variant = MakeVariant({}, 0.5);
  const SectionResults r = testing::ComputeOne(MakeSection(101, 100, kFlatGround), variant);
  ASSERT_TRUE(r.Valid());
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Fill), 2.0, kExact);
}

TEST(SectionEngine, SideWithoutTemplateLinesTakesTheSubgradeAsIfItsLastLineWereHorizontal) {
  // Project 1 m above flat ground, subgrade 0.5: the subgrade line runs 1 m out on each side at
  // 100.5, then 1:2 down to the ground 2 m out: one body of 2 * (0.5 + 0.25). The layer line,
  // 0.25 lower, runs 1.5 m out: 2 * (0.375 + 0.0625).
  VariantRecord variant = MakeVariant({}, 0.5);
  variant.SubG = 0.5f;
  ProjectRecord project;
  project.Thickness[0] = 0.25f;
  const SectionResults r =
      testing::ComputeOne(MakeSection(101, 100, kFlatGround), variant, project);
  ASSERT_TRUE(r.Valid());
  EXPECT_THAT(Kinds(r.SectionPolygons), ::testing::ElementsAre("fill"));
  EXPECT_NEAR(PolygonArea(r.SectionPolygons[0].Points), 1.5, kExact);
  EXPECT_NEAR(r.CatchPoint[1].x, 2, kExact);
  ASSERT_EQ(r.LayerPolygons.size(), 1u);
  EXPECT_NEAR(SumOfArea(r.LayerPolygons[0], PolygonKind::Fill), 0.875, kExact);
}

TEST(SectionEngine, EngineRereadsTheRecordsForEveryCall) {
  const testing::SectionFiles files(
      {MakeSection(102, 100, kFlatGround), MakeSection(98, 100, kFlatGround)},
      {MakeVariant({{5, 0}}, 0.5)});
  SectionEngine engine;
  engine.ComputeSection(files.Data(), files.Variants(), {}, 1);
  const double first = SumOfArea(engine.Results().SectionPolygons, PolygonKind::Fill);
  engine.ComputeSection(files.Data(), files.Variants(), {}, 2);
  engine.ComputeSection(files.Data(), files.Variants(), {}, 1);
  EXPECT_EQ(SumOfArea(engine.Results().SectionPolygons, PolygonKind::Fill), first);
  EXPECT_EQ(engine.Results().Record, 1);
}

}  // namespace
}  // namespace calvora
