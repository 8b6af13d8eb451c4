// The longitudinal section's numbers against a hand calculation of one vertical curve.

#include "alignment/longitudinal_profile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/alignment_project.h"

namespace calvora {
namespace {

using testing::ElevationRecord;
using testing::VerticalCurveRecord;

// Grades +2 % from 0+000 (100.00) to the PVI at 0+200 (104.00), then -1 % to 0+400 (102.00); a
// 100 m curve: from 0+150 the design is 103 + 0.02 x - 0.03 x^2 / 200 (x from 0+150).
TEST(LongitudinalProfile, DesignLineGradesAndSectionsByHand) {
  testing::AlignmentProject project(
      {ElevationRecord(0, 100), VerticalCurveRecord(200, 104, 100), ElevationRecord(400, 102)},
      {testing::SectionAt(150, 103.0f), testing::SectionAt(200, 103.625f),
       testing::SectionAt(120, 102.4f)});
  const LongitudinalProfile profile = ComputeLongitudinalProfile(project.State());
  const auto designAt = [&](double station) {
    for (const auto& [s, elevation] : profile.Design) {
      if (std::abs(s - station) < 1e-9) {
        return elevation;
      }
    }
    return std::nan("");
  };
  struct Case {
    double station, elevation;
  };
  for (const Case c : {Case{0, 100}, Case{100, 102}, Case{150, 103}, Case{175, 103.40625},
                       Case{200, 103.625}, Case{250, 103.5}, Case{400, 102}}) {
    EXPECT_NEAR(designAt(c.station), c.elevation, 1e-9) << c.station;
  }
  ASSERT_EQ(profile.Design.size(), 401u);  // every metre
  ASSERT_EQ(profile.Grades.size(), 2u);
  EXPECT_NEAR(profile.Grades[0].Percent, 2, 1e-12);
  EXPECT_NEAR(profile.Grades[1].Percent, -1, 1e-12);
  EXPECT_EQ(profile.Grades[1].Length, 200);
  ASSERT_EQ(profile.Sections.size(), 3u);
  EXPECT_EQ(profile.Sections[1].Station, 200);
  EXPECT_NEAR(profile.Sections[1].Difference,
              static_cast<double>(profile.Sections[1].Ground) - 103.625, 1e-6);
  EXPECT_EQ(profile.Notes.size(), 1u);  // 0+120 after 0+200: out of station order
}

TEST(LongitudinalProfile, FewerThanTwoVerticalPointsLeaveOutTheDesignWithANote) {
  testing::AlignmentProject project({ElevationRecord(0, 100)}, {testing::SectionAt(0, 100.0f)});
  const LongitudinalProfile profile = ComputeLongitudinalProfile(project.State());
  EXPECT_TRUE(profile.Design.empty());
  EXPECT_EQ(profile.Ground.size(), 1u);
  ASSERT_EQ(profile.Notes.size(), 1u);
  EXPECT_NE(profile.Notes[0].find("fewer than two vertical points"), std::string::npos);
}

}  // namespace
}  // namespace calvora
