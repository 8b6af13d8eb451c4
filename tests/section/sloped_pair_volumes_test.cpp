// The precise method between two computed sections on cross-sloped ground, against the wedge
// row worked out by hand.

#include <gtest/gtest.h>

#include "quantities/interval_quantities.h"
#include "section/section_areas.h"
#include "section_checks.h"

namespace calvora {
namespace {

TEST(SlopedSections, FillWedgesOutTowardsTheNextSectionsCut) {
  // Ground rising 0.17 to the right through the centre point, a flat template 5 m out, fill
  // slopes 1:2, cut slopes 1:1. At 1+020.5 the project (100) lies on the ground at the centre:
  // fill 2.125 + 0.85 * (2.5 / 0.33 - 5) / 2 = 3.22 on the left, cut 2.125 + 0.85 * (5 / 0.83
  // - 5) / 2 = 2.56 on the right. At 1+040.5 the project lies 2 m lower, all in cut: 7.875 +
  // 1.15 * (7 / 1.17 - 5) / 2 on the left, 12.125 + 2.85 * (7 / 0.83 - 5) / 2 on the right,
  // 25.46 in all.
  const testing::OutwardPoints left{{20, 96.6}};
  const testing::OutwardPoints right{{20, 103.4}};
  SectionRecord second = testing::MakeSection(98, 100, left, right);
  second.Meter = 40.5f;
  testing::Road road({{},
                      {testing::MakeSection(100, 100, left, right), second},
                      {testing::MakeVariant({{5, 0}}, 0.5, {{3, 3}})}});
  SectionEngine engine;
  SectionSlot slots[2];
  for (const int n : {1, 2}) {
    engine.ComputeSection(road.state, n);
    slots[n - 1].Station = engine.Results().Station;
    slots[n - 1].Areas = ComputeSectionAreas(engine.Results());
    slots[n - 1].LeftSideState = engine.Results().SideState[-1];
  }
  EXPECT_EQ(slots[0].Areas.FillArea, 3.22);
  EXPECT_EQ(slots[0].Areas.CutArea, 2.56);
  EXPECT_EQ(slots[0].Areas.PolygonCount, 2);
  EXPECT_EQ(slots[1].Areas.CutArea, 25.46);
  EXPECT_EQ(slots[1].Areas.FillArea, 0);

  // Mixed to all cut: the cut averaged, the fill a wedge ending t = 20 * 3.22 / (3.22 +
  // 25.46) on.
  const IntervalQuantities q = ComputeVolumes(slots[0], slots[1], kPreciseMethod);
  const double t = 20 * 3.22 / (3.22 + 25.46);
  EXPECT_NEAR(q.CutVolume, (2.56 + 25.46) / 2 * 20, 1e-9);
  EXPECT_NEAR(q.FillVolume, 3.22 * t / 2, 1e-9);
}

}  // namespace
}  // namespace calvora
