// Compaction layers: the bodies between each layer's lower boundary and the ground.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "section/section_areas.h"
#include "section_builder.h"

namespace calvora {
namespace {

using testing::MakeSection;
using testing::MakeVariant;
using testing::SumOfArea;

const testing::OutwardPoints kFlatGround{{20, 100}};

ProjectRecord Layers(std::array<float, ProjectRecord::kLayerCount> thickness) {
  ProjectRecord project;
  project.Thickness = thickness;
  return project;
}

TEST(LayerPolygons, ZeroFirstThicknessComputesNoLayers) {
  const SectionResults r =
      testing::ComputeOne(MakeSection(102, 100, kFlatGround), MakeVariant({{4, 0}}, 0.5),
                          Layers({0, 0.3f, 0.3f, 0, 0}));
  ASSERT_TRUE(r.Valid());
  EXPECT_TRUE(r.LayerPolygons.empty());
  EXPECT_TRUE(ComputeSectionAreas(r).LayerPolygonArea.empty());
}

TEST(LayerPolygons, WithoutSubgradeTheFirstLayerLiesItsThicknessBelowTheProjectLine) {
  // Layer 0 line at 101.5 reaching the 1:2 slope 5 m out: (10 + 16) / 2 * 1.5; layer 1 at
  // 101.2 reaching it 5.6 m out: (11.2 + 16) / 2 * 1.2.
  const SectionResults r =
      testing::ComputeOne(MakeSection(102, 100, kFlatGround), MakeVariant({{4, 0}}, 0.5),
                          Layers({0.5f, 0.3f, 0, 0, 0}));
  ASSERT_TRUE(r.Valid());
  ASSERT_EQ(r.LayerPolygons.size(), 2u);
  EXPECT_NEAR(SumOfArea(r.LayerPolygons[0], PolygonKind::Fill), 19.5, 1e-5);
  EXPECT_NEAR(SumOfArea(r.LayerPolygons[1], PolygonKind::Fill), 16.32, 1e-5);
  EXPECT_NEAR(SumOfArea(r.SectionPolygons, PolygonKind::Fill), 24, 1e-9);
}

TEST(LayerPolygons, LayerLineWhollyUnderTheGroundGivesCutBodiesOnly) {
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  testing::SetCutDitch(variant, {{1, -0.5}, {2, -0.5}, {4, 1.5}});
  const SectionResults r =
      testing::ComputeOne(MakeSection(99, 100, kFlatGround), variant, Layers({0.3f, 0, 0, 0, 0}));
  ASSERT_TRUE(r.Valid());
  ASSERT_EQ(r.LayerPolygons.size(), 1u);
  ASSERT_FALSE(r.LayerPolygons[0].empty());
  for (const SectionPolygon& polygon : r.LayerPolygons[0]) {
    EXPECT_EQ(polygon.Kind, PolygonKind::Cut);
  }
  const SectionAreas areas = ComputeSectionAreas(r);
  EXPECT_EQ(areas.LayerArea[0], 0);  // only fill counts in a layer
}

TEST(LayerPolygons, SideHillLayerSplitsWhereItsLineCrossesTheGround) {
  // The layer line (0.2 below the design line) crosses the ground rising 1:10 at x = 2.
  VariantRecord variant = MakeVariant({{5, 0}}, 0.5);
  testing::SetCutDitch(variant, {{3, 3}});
  const SectionResults r = testing::ComputeOne(MakeSection(100, 100, {{20, 98}}, {{20, 102}}),
                                               variant, Layers({0.2f, 0, 0, 0, 0}));
  ASSERT_TRUE(r.Valid());
  ASSERT_EQ(r.LayerPolygons.size(), 1u);
  ASSERT_EQ(r.LayerPolygons[0].size(), 2u);
  EXPECT_EQ(r.LayerPolygons[0][0].Kind, PolygonKind::Fill);
  EXPECT_EQ(r.LayerPolygons[0][1].Kind, PolygonKind::Cut);
  EXPECT_NEAR(r.LayerPolygons[0][1].Points.front().x, -2, 1e-6);
}

TEST(LayerPolygons, LayerLineDoesNotGoDownAVerticalDitchWall) {
  // The first ditch row drops 0.5 m straight down at 4 m. The layer line, 0.3 m below the
  // design line with its ends carried 0.6 m out along the 1:2 slope, keeps below the ditch
  // bottom (98.5) beyond 4 m and ends at 4.6 m without following the drop down and back up:
  // one body under the flat ground, 2 * (4 * 1.3 + 0.6 * 1.5), no point below the ditch bottom.
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  testing::SetCutDitch(variant, {{0, -0.5}, {1, -0.5}, {3, 1.5}});
  variant.CutTran(-1, 0) = 0;
  const SectionResults r =
      testing::ComputeOne(MakeSection(99, 100, kFlatGround), variant, Layers({0.3f, 0, 0, 0, 0}));
  ASSERT_TRUE(r.Valid());
  ASSERT_EQ(r.LayerPolygons.size(), 1u);
  ASSERT_EQ(r.LayerPolygons[0].size(), 1u);
  EXPECT_NEAR(PolygonArea(r.LayerPolygons[0][0].Points), 12.2, 1e-5);
  for (const SectionPoint& p : r.LayerPolygons[0][0].Points) {
    EXPECT_GE(p.y, 98.5 - 1e-5);
  }
}

TEST(LayerPolygons, LayerLineStaysWithinTheFillOfTheLineAbove) {
  // Ground falling 1:1 from 102.05 on the centre line to 98.05 at 4 m. The design line (flat,
  // 2 m out, at 100) is in cut on both sides and rises 1:1 to the ground 2.025 m out. Carried
  // 1.2 m out along the 1:4 fill slope, the layer line's own end would lie above the ground and
  // make an embankment out to 9.8 m where the road is in cut: it stays below the design line.
  VariantRecord variant = MakeVariant({{2, 0}}, 0.25);
  testing::SetCutDitch(variant, {{1, 1}});
  const SectionResults r = testing::ComputeOne(MakeSection(100, 102.05, {{4, 98.05}, {20, 98.05}}),
                                               variant, Layers({0.3f, 0, 0, 0, 0}));
  ASSERT_TRUE(r.Valid());
  const SectionAreas areas = ComputeSectionAreas(r);
  EXPECT_EQ(areas.FillArea, 0);
  EXPECT_EQ(areas.LayerArea[0], 0);
  ASSERT_EQ(r.LayerPolygons.size(), 1u);
  for (const SectionPolygon& polygon : r.LayerPolygons[0]) {
    EXPECT_EQ(polygon.Kind, PolygonKind::Cut);
    for (const SectionPoint& p : polygon.Points) {
      EXPECT_LE(std::fabs(p.x), 2.025 + 1e-5);
    }
  }
}

TEST(LayerPolygons, LayerBodiesEndAtTheStrippingEdgeTheFillSlopeCatchesOn) {
  // Ground flat at 99.25 to a vertex 2.5 m out, then rising 3:4; the stripping edges on those
  // vertices (DecaThick 5), the ground between them lowered to 99. The 1.5 fill slope from the
  // template end (2, 100) catches on the vertex, on top of the edge's step. Layer 0's line at
  // 99.5, its ends carried a third of a metre out, goes down the same slope to the vertex:
  // 14/3 * 0.5 + 2 * 1/6 * 0.375 of fill. Layer 1's line at 98.75 lies under the stripped
  // ground out to the edges (its ends, 5/6 m out, are in cut): 5 * 0.25 of cut, closing down
  // the edge's step on each side, not up to the ground beyond it and back.
  VariantRecord variant = MakeVariant({{2, 0}}, 1.5);
  variant.Deco = 0.25f;
  ProjectRecord project = Layers({0.5f, 0.75f, 0, 0, 0});
  project.DecaMethod = 1;
  project.DecaThick = 5;
  const SectionResults r =
      testing::ComputeOne(MakeSection(100, 99.25, {{2.5, 99.25}, {4.5, 100.75}}), variant, project);
  ASSERT_TRUE(r.Valid());
  EXPECT_EQ(r.CatchPoint[1], (SectionPoint{2.5, 99.25}));
  const struct {
    PolygonKind kind;
    double area;
  } expected[] = {{PolygonKind::Fill, 7.0 / 3 + 0.125}, {PolygonKind::Cut, 1.25}};
  ASSERT_EQ(r.LayerPolygons.size(), 2u);
  for (std::size_t j = 0; j < 2; ++j) {
    ASSERT_EQ(r.LayerPolygons[j].size(), 1u) << "layer " << j;
    const SectionPolygon& body = r.LayerPolygons[j][0];
    EXPECT_EQ(body.Kind, expected[j].kind) << "layer " << j;
    EXPECT_NEAR(PolygonArea(body.Points), expected[j].area, 1e-9) << "layer " << j;
    EXPECT_FALSE(testing::HasSpike(body.Points)) << "layer " << j;
  }
}

TEST(LayerPolygons, LayerBodiesEndAtTheFootOfAGroundStepTheirTemplateEndReaches) {
  // The last template line falls 1:5, the fill slope 1:4: the layer's template end moves
  // 0.25 / (0.25 - 0.2) = 5 m out, onto the offset of the ground's vertical step at 7.875, with
  // the rounding of 0.2 in it. The first cut-ditch row drops straight down, so the layer line
  // ends there, in cut under the ditch bottom running out past the step: its body closes up to
  // the step's foot, not over its top and back.
  VariantRecord variant = MakeVariant({{1.9375, -0.1875}, {2.875, -0.375}}, 0.25);
  testing::SetCutDitch(variant, {{0, -0.3125}, {6, -0.3125}, {7, 7}});
  const SectionResults r = testing::ComputeOne(
      MakeSection(97.5, 99.9375, {{7.875, 103.046875}, {7.875, 103.921875}, {30, 103.921875}}),
      variant, Layers({0.25f, 0, 0, 0, 0}));
  ASSERT_TRUE(r.Valid());
  ASSERT_EQ(r.LayerPolygons.size(), 1u);
  ASSERT_FALSE(r.LayerPolygons[0].empty());
  for (const SectionPolygon& body : r.LayerPolygons[0]) {
    EXPECT_FALSE(testing::HasSpike(body.Points));
    for (const SectionPoint& p : body.Points) {
      EXPECT_LE(std::fabs(p.x), 7.875);
      EXPECT_LE(p.y, 103.046875);
    }
  }
}

}  // namespace
}  // namespace calvora
