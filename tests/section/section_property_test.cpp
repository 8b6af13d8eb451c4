// Thousands of random but sensible sections (seeded): every body closed, finite and between
// the catch points; and, without stripping, layers or ditches, fill less cut equals the integral of
// (design line - ground) between the catch points, computed here on its own from the records and
// the catch points.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "section/section_areas.h"
#include "section/section_engine.h"
#include "section_checks.h"

namespace calvora {
namespace {

using testing::Line;
using testing::ReadLine;

struct RandomSection {
  SectionRecord section;
  VariantRecord variant;
  ProjectRecord project;
};

double Uniform(std::mt19937& rng, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(rng);
}

int Whole(std::mt19937& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

testing::OutwardPoints RandomGround(std::mt19937& rng, double centre) {
  testing::OutwardPoints ground;
  double x = 0;
  double y = centre;
  const int count = Whole(rng, 2, 9);
  for (int k = 0; k < count; ++k) {
    x += Uniform(rng, 0.5, 7);
    y += Uniform(rng, -2, 2);
    ground.emplace_back(x, y);
  }
  return ground;
}

// A plain section: template lines, fill slope, and a cut slope rising from the template end.
RandomSection PlainSection(std::mt19937& rng) {
  RandomSection r;
  const double ground = 100 + Uniform(rng, -1, 1);
  r.section = testing::MakeSection(ground + Uniform(rng, -3, 3), ground, RandomGround(rng, ground),
                                   RandomGround(rng, ground));
  testing::OutwardPoints lines;
  double x = 0;
  double h = 0;
  for (int k = Whole(rng, 1, 3); k > 0; --k) {
    x += Uniform(rng, 0.5, 3);
    h += Uniform(rng, -0.25, 0.05);
    lines.emplace_back(x, h);
  }
  r.variant = testing::MakeVariant(lines, Uniform(rng, 0.3, 1.5));
  for (const int side : {-1, 1}) {
    r.variant.FillSlope[side] = static_cast<float>(Uniform(rng, 0.3, 1.5));
    r.variant.CutTran(side, 0) = static_cast<float>(side * Uniform(rng, 0.5, 2));
    r.variant.CutTran(side, 1) = static_cast<float>(Uniform(rng, 0.5, 2));
  }
  return r;
}

// The ground of the record left to right.
Line GroundOf(const SectionRecord& section) {
  Line ground;
  for (int i = section.PointCount[-1]; i <= section.PointCount[1]; ++i) {
    ground.push_back(i == 0 ? SectionPoint{0, section.GRElev}
                            : SectionPoint{section.GroundPoints(i, 0), section.GroundPoints(i, 1)});
  }
  return ground;
}

// The design line rebuilt from the records: template vertices at PRElev, then straight to the
// catch point of each side.
Line DesignFromRecords(const RandomSection& r, const SectionResults& results) {
  SignedArray<Line, -1, 1> sides;
  for (const int side : {-1, 1}) {
    sides[side].push_back({0, r.section.PRElev});
    for (int k = 1; k <= r.variant.LinesOnSide(side); ++k) {
      sides[side].push_back({r.variant.Point(side * k, 0),
                             static_cast<double>(r.section.PRElev) + r.variant.Point(side * k, 1)});
    }
    sides[side].push_back(results.CatchPoint[side]);
  }
  return testing::Joined(sides);
}

// Integral of (design - ground) over the design line's extent: both are straight between the
// merged break points, so the trapezoid rule on them is exact.
double IntegralOfDesignOverGround(const Line& design, const Line& ground) {
  const std::vector<double> xs =
      testing::BreakPoints({&design, &ground}, design.front().x, design.back().x);
  double integral = 0;
  for (std::size_t i = 1; i < xs.size(); ++i) {
    const double a = xs[i - 1];
    const double b = xs[i];
    integral += (ReadLine(design, a, true) - ReadLine(ground, a, true) +
                 ReadLine(design, b, false) - ReadLine(ground, b, false)) /
                2 * (b - a);
  }
  return integral;
}

TEST(SectionProperties, FillLessCutIsTheIntegralBetweenTheCatchPoints) {
  std::mt19937 rng(20261206);
  testing::Road road({});
  SectionEngine engine;
  int computed = 0;
  for (int round = 0; round < 4000; ++round) {
    const RandomSection r = PlainSection(rng);
    const std::string what = "round " + std::to_string(round);
    const SectionResults& results =
        testing::ComputeOn(road, engine, r.section, r.variant, r.project);
    ASSERT_TRUE(testing::AllNumbersFinite(results)) << what;
    if (!results.Valid()) {
      continue;  // the ground did not reach far enough: reported, nothing to integrate
    }
    ++computed;
    testing::ExpectClosedRingsWithin(results.SectionPolygons, results.CatchPoint[-1].x,
                                     results.CatchPoint[1].x, what);
    const Line ground = GroundOf(r.section);
    for (const int side : {-1, 1}) {
      // The catch point lies on the ground and on the side's slope from the template end.
      const SectionPoint c = results.CatchPoint[side];
      EXPECT_NEAR(ReadLine(ground, c.x, false), c.y, 1e-6) << what;
      const int lines = r.variant.LinesOnSide(side);
      const double endX = side * static_cast<double>(r.variant.Point(side * lines, 0));
      const double endY = static_cast<double>(r.section.PRElev) + r.variant.Point(side * lines, 1);
      const double gradient = results.SideState[side] == kDesignOverGround
                                  ? -r.variant.FillSlope[side]
                                  : static_cast<double>(r.variant.CutTran(side, 1)) /
                                        (side * static_cast<double>(r.variant.CutTran(side, 0)));
      EXPECT_NEAR(endY + gradient * (side * c.x - endX), c.y, 1e-6) << what;
      // ... and it is the first place the slope meets the ground: before it, the slope stays
      // above the ground in fill and below it in cut.
      const double above = results.SideState[side] == kDesignOverGround ? 1 : -1;
      for (int step = 1; step < 20; ++step) {
        const double u = endX + (side * c.x - endX) * step / 20.0;
        const double slopeY = endY + gradient * (u - endX);
        EXPECT_GE(above * (slopeY - ReadLine(ground, side * u, false)), -1e-6) << what;
      }
    }
    const double expected = IntegralOfDesignOverGround(DesignFromRecords(r, results), ground);
    const double fillLessCut = testing::SumOfArea(results.SectionPolygons, PolygonKind::Fill) -
                               testing::SumOfArea(results.SectionPolygons, PolygonKind::Cut);
    ASSERT_NEAR(fillLessCut, expected, 0.01) << what;
  }
  EXPECT_GT(computed, 2000);
}

}  // namespace
}  // namespace calvora
