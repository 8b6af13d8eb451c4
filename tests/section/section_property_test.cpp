// Thousands of random but sensible sections (seeded): every body closed, finite and between
// the catch points; and, without stripping, layers or ditches, fill less cut equals the integral of
// (design line - ground) between the catch points, computed here on its own from the records and
// the catch points.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "section/section_areas.h"
#include "section/section_engine.h"
#include "section_checks.h"

namespace calvora {
namespace {

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

// The ground of the record as a function of the offset (a vertical step counts from outside).
double GroundAt(const SectionRecord& section, double x) {
  const int side = x < 0 ? -1 : 1;
  double innerX = 0;
  double innerY = section.GRElev;
  for (int k = 1; k <= side * section.PointCount[side]; ++k) {
    const double outerX = section.GroundPoints(side * k, 0);
    const double outerY = section.GroundPoints(side * k, 1);
    if (side * x <= side * outerX + 1e-12) {
      if (outerX == innerX) {
        return outerY;
      }
      return innerY + (x - innerX) * (outerY - innerY) / (outerX - innerX);
    }
    innerX = outerX;
    innerY = outerY;
  }
  return innerY;
}

// The design line rebuilt from the records: template vertices at PRElev, then straight to the
// catch point of each side.
std::vector<SectionPoint> DesignFromRecords(const RandomSection& r, const SectionResults& results) {
  std::vector<SectionPoint> line;
  for (const int side : {-1, 1}) {
    std::vector<SectionPoint> half{{0, r.section.PRElev}};
    for (int k = 1; k <= r.variant.LinesOnSide(side); ++k) {
      half.push_back({r.variant.Point(side * k, 0),
                      static_cast<double>(r.section.PRElev) + r.variant.Point(side * k, 1)});
    }
    half.push_back(results.CatchPoint[side]);
    if (side < 0) {
      line.assign(half.rbegin(), half.rend());
    } else {
      line.insert(line.end(), half.begin() + 1, half.end());
    }
  }
  return line;
}

double Interpolate(const std::vector<SectionPoint>& line, double x) {
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (x <= line[i].x) {
      const SectionPoint a = line[i - 1];
      const SectionPoint b = line[i];
      return b.x == a.x ? b.y : a.y + (x - a.x) * (b.y - a.y) / (b.x - a.x);
    }
  }
  return line.back().y;
}

// Integral of (design - ground) over the design line's extent: both are straight between the
// merged break points, so the trapezoid rule on them is exact.
double IntegralOfDesignOverGround(const SectionRecord& section,
                                  const std::vector<SectionPoint>& design) {
  std::vector<double> xs;
  for (const SectionPoint& p : design) {
    xs.push_back(p.x);
  }
  for (const int side : {-1, 1}) {
    for (int k = 1; k <= side * section.PointCount[side]; ++k) {
      xs.push_back(section.GroundPoints(side * k, 0));
    }
  }
  const double left = design.front().x;
  const double right = design.back().x;
  std::sort(xs.begin(), xs.end());
  double integral = 0;
  for (std::size_t i = 1; i < xs.size(); ++i) {
    const double a = std::max(xs[i - 1], left);
    const double b = std::min(xs[i], right);
    if (b <= a) {
      continue;
    }
    // Values just inside (a, b): steps at a or b do not belong to this piece.
    const double e = (b - a) * 1e-9;
    const double da = Interpolate(design, a + e) - GroundAt(section, a + e);
    const double db = Interpolate(design, b - e) - GroundAt(section, b - e);
    integral += (da + db) / 2 * (b - a);
  }
  return integral;
}

void ExpectSoundBodies(const std::vector<SectionPolygon>& polygons, double left, double right,
                       int round) {
  for (const SectionPolygon& polygon : polygons) {
    ASSERT_GE(polygon.Points.size(), 4u) << "round " << round;
    EXPECT_EQ(polygon.Points.front(), polygon.Points.back()) << "round " << round;
    EXPECT_TRUE(polygon.Kind == PolygonKind::Cut || polygon.Kind == PolygonKind::Fill);
    for (const SectionPoint& p : polygon.Points) {
      ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << "round " << round;
      EXPECT_GE(p.x, left - 1e-9) << "round " << round;
      EXPECT_LE(p.x, right + 1e-9) << "round " << round;
    }
  }
}

TEST(SectionProperties, FillLessCutIsTheIntegralBetweenTheCatchPoints) {
  std::mt19937 rng(20261206);
  testing::Road road({});
  SectionEngine engine;
  int computed = 0;
  for (int round = 0; round < 4000; ++round) {
    const RandomSection r = PlainSection(rng);
    const SectionResults& results =
        testing::ComputeOn(road, engine, r.section, r.variant, r.project);
    ASSERT_TRUE(testing::AllNumbersFinite(results)) << "round " << round;
    if (!results.Valid()) {
      continue;  // the ground did not reach far enough: reported, nothing to integrate
    }
    ++computed;
    const double left = results.CatchPoint[-1].x;
    const double right = results.CatchPoint[1].x;
    ExpectSoundBodies(results.SectionPolygons, left, right, round);
    for (const int side : {-1, 1}) {
      // The catch point lies on the ground and on the side's slope from the template end.
      const SectionPoint c = results.CatchPoint[side];
      EXPECT_NEAR(GroundAt(r.section, c.x), c.y, 1e-6) << "round " << round;
      const int lines = r.variant.LinesOnSide(side);
      const double endX = side * static_cast<double>(r.variant.Point(side * lines, 0));
      const double endY = static_cast<double>(r.section.PRElev) + r.variant.Point(side * lines, 1);
      const double gradient = results.SideState[side] == kDesignOverGround
                                  ? -r.variant.FillSlope[side]
                                  : static_cast<double>(r.variant.CutTran(side, 1)) /
                                        (side * static_cast<double>(r.variant.CutTran(side, 0)));
      EXPECT_NEAR(endY + gradient * (side * c.x - endX), c.y, 1e-6) << "round " << round;
      // ... and it is the first place the slope meets the ground: before it, the slope stays
      // above the ground in fill and below it in cut.
      const double above = results.SideState[side] == kDesignOverGround ? 1 : -1;
      for (int step = 1; step < 20; ++step) {
        const double u = endX + (side * c.x - endX) * step / 20.0;
        const double slopeY = endY + gradient * (u - endX);
        EXPECT_GE(above * (slopeY - GroundAt(r.section, side * u)), -1e-6) << "round " << round;
      }
    }
    const double expected = IntegralOfDesignOverGround(r.section, DesignFromRecords(r, results));
    const double fillLessCut = testing::SumOfArea(results.SectionPolygons, PolygonKind::Fill) -
                               testing::SumOfArea(results.SectionPolygons, PolygonKind::Cut);
    ASSERT_NEAR(fillLessCut, expected, 0.01) << "round " << round;
  }
  EXPECT_GT(computed, 2000);
}

}  // namespace
}  // namespace calvora
