// Thousands of generated sections (seeded) of every shape the engine meets: cross-sloped
// ground, templates of 0 to 3 lines, cut ditches (some dropping vertically), fill ditches,
// walls, limits, both stripping methods, subgrade, 0 to 5 compaction layers, and ground built
// to touch the design line exactly (a slope ending on a ground vertex or running along a
// ground segment, a template lying on the ground). Each section's bodies are held against an
// account made here from the engine's lines alone: the stretches over which the design line
// keeps to one side of the ground. CALVORA_GENERATED_SECTIONS=<count> runs more sections.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "quantities/interval_quantities.h"
#include "section/section_areas.h"
#include "section/section_engine.h"
#include "section_checks.h"

namespace calvora {
namespace {

using testing::SetRows;

constexpr double kReportable = 0.005;  // the smallest area a two-decimal report shows
constexpr double kSame = 1e-6;         // lines closer than this touch

struct GeneratedSection {
  SectionRecord section;
  VariantRecord variant;
  ProjectRecord project;
};

class SectionGenerator {
 public:
  explicit SectionGenerator(unsigned seed) : rng_(seed) {}

  GeneratedSection Next() {
    exact_ = Chance(0.5);
    GeneratedSection g;
    const double centre = 100 + Value(-1, 1);
    const bool onGround = exact_ && Chance(0.15);
    g.section.Kilo = 1;
    g.section.Var = 1;
    g.section.GRElev = static_cast<float>(centre);
    g.section.PRElev = static_cast<float>(onGround ? centre : centre + Value(-2.5, 2.5));
    VariantRecord& v = g.variant;
    v.SubG = static_cast<float>(Chance(0.4) ? Value(0.1, 0.6) : 0);
    v.Deco = static_cast<float>(Chance(0.5) ? Value(0.05, 0.3) : 0);
    v.Wall = static_cast<float>(Chance(0.2) ? Value(5, 30) : 0);
    g.project.DecaMethod = static_cast<std::int16_t>(Whole(0, 1));
    g.project.DecaThick = static_cast<float>(Value(2, 14));
    for (int j = Whole(0, ProjectRecord::kLayerCount) - 1; j >= 0; --j) {
      g.project.Thickness[static_cast<std::size_t>(j)] = static_cast<float>(Value(0.1, 0.4));
    }
    const double crossSlope = Value(-0.25, 0.25);
    for (const int side : {-1, 1}) {
      Side(g, side, side * crossSlope, onGround);
    }
    return g;
  }

 private:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(rng_);
  }
  int Whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(double p) { return Uniform(0, 1) < p; }
  // On exact sections a multiple of 1/16: single precision and the engine's arithmetic carry
  // such values (and the touches built from them) without rounding.
  double Value(double low, double high) {
    const double u = Uniform(low, high);
    return exact_ ? std::round(u * 16) / 16 : u;
  }

  void Side(GeneratedSection& g, int side, double fall, bool onGround) {
    VariantRecord& v = g.variant;
    testing::OutwardPoints templ;
    double x = 0;
    double h = 0;
    for (int k = Whole(0, 3); k > 0; --k) {
      x += Value(0.5, 3);
      h += Value(-0.25, 0.0625);
      templ.emplace_back(x, h);
    }
    v.LineCount[side] = static_cast<float>(side * static_cast<int>(templ.size()));
    SetRows(v.Point, side, templ);
    const double slopes[] = {0.25, 0.5, 1, 2};
    const double q = exact_ ? slopes[Whole(0, 3)] : Uniform(0.3, 1.5);
    v.FillSlope[side] = static_cast<float>(q);
    testing::OutwardPoints ditch;
    double dx = Chance(0.2) ? 0 : Value(0.25, 1);
    ditch.emplace_back(dx, -Value(0.25, 1));
    for (int k = Whole(0, 2); k > 0; --k) {
      dx += Value(0.25, 1.5);
      ditch.emplace_back(dx, ditch.back().second + Value(-0.5, 0.5));
    }
    ditch.emplace_back(dx + Value(1, 3), Value(0.5, 2));
    SetRows(v.CutTran, side, ditch);
    if (Chance(0.3)) {
      SetRows(v.FillTran, side, {{Value(0.25, 1), -Value(0.25, 1)}, {Value(1.25, 2), 0}});
    }
    v.Limit[side] = static_cast<float>(Chance(0.15) ? side * Value(1, 8) : 0);

    const double prElev = g.section.PRElev;
    const SectionPoint end{x, prElev + h};
    testing::OutwardPoints ground;
    double gx = 0;
    double gy = g.section.GRElev;
    if (onGround) {
      for (const auto& [tx, th] : templ) {
        ground.emplace_back(tx, prElev + th);
      }
      gx = x;
      gy = end.y;
    }
    const int touch = exact_ ? Whole(0, 2) : 0;
    if (touch > 0) {  // the fill slope from the template end ends on a ground vertex
      gx = std::max(gx, x) + Value(0.5, 3);
      gy = end.y - q * (gx - x);
      if (x > 0) {
        ground.emplace_back(x, end.y - Value(0.25, 1));
      }
      ground.emplace_back(gx, gy);
      if (touch == 2) {  // ... and then runs along a ground segment
        gx += Value(0.5, 2);
        gy = end.y - q * (gx - x);
        ground.emplace_back(gx, gy);
      }
    }
    for (int k = Whole(2, 9) - static_cast<int>(ground.size()); k > 0; --k) {
      gx += !ground.empty() && Chance(0.1) ? 0 : Value(0.5, 7);  // now and then a vertical step
      gy += fall * (gx - (ground.empty() ? 0 : ground.back().first)) + Value(-1.5, 1.5);
      ground.emplace_back(gx, gy);
    }
    // Now and then the section limit or the stripping edge on a ground point.
    const double vertex = ground[static_cast<std::size_t>(Whole(0, int(ground.size()) - 1))].first;
    if (Chance(0.1)) {
      v.Limit[side] = static_cast<float>(side * vertex);
    } else if (side > 0 && Chance(0.2)) {
      g.project.DecaThick = static_cast<float>(2 * vertex);
    }
    g.section.PointCount[side] = static_cast<std::int16_t>(side * static_cast<int>(ground.size()));
    SetRows(g.section.GroundPoints, side, ground);
  }

  std::mt19937 rng_;
  bool exact_ = false;
};

using Line = std::vector<SectionPoint>;

// The height of a line (left to right) at an offset, read from the left of it or (fromRight)
// from the right where the line runs vertically there.
double ReadLine(const Line& line, double x, bool fromRight) {
  std::size_t i = 0;
  while (i < line.size() && (line[i].x < x || (fromRight && line[i].x == x))) {
    ++i;
  }
  if (i == 0) {
    return line.front().y;
  }
  if (i == line.size()) {
    return line.back().y;
  }
  const SectionPoint a = line[i - 1];
  const SectionPoint b = line[i];
  if (b.x == x && !fromRight) {
    return b.y;
  }
  return a.x == b.x ? b.y : a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

// A pair of outward halves of a line joined left to right.
Line Joined(const SignedArray<Line, -1, 1>& sides) {
  Line line(sides[-1].rbegin(), sides[-1].rend());
  line.insert(line.end(), sides[1].begin() + 1, sides[1].end());
  return line;
}

// The offsets of the lines' points from `from` to `to`, sorted.
std::vector<double> BreakPoints(std::initializer_list<const Line*> lines, double from, double to) {
  std::vector<double> xs;
  for (const Line* line : lines) {
    for (const SectionPoint& p : *line) {
      if (p.x >= from && p.x <= to) {
        xs.push_back(p.x);
      }
    }
  }
  std::sort(xs.begin(), xs.end());
  return xs;
}

// Every body is a closed ring of at least three corners between the offsets left and right.
void ExpectClosedRingsWithin(const std::vector<SectionPolygon>& bodies, double left, double right,
                             const std::string& what) {
  for (std::size_t b = 0; b < bodies.size(); ++b) {
    const Line& ring = bodies[b].Points;
    ASSERT_GE(ring.size(), 4u) << what;
    EXPECT_EQ(ring.front(), ring.back()) << what << " body " << b + 1;
    for (const SectionPoint& point : ring) {
      EXPECT_GE(point.x, left - 1e-9) << what << " body " << b + 1;
      EXPECT_LE(point.x, right + 1e-9) << what << " body " << b + 1;
    }
  }
}

int SideOf(double d) {
  return d > kSame ? 1 : d < -kSame ? -1 : 0;
}

struct Stretch {
  int sign = 0;  // +1 fill, -1 cut
  double area = 0;
};

// The stretches between the ends of the design line over which it keeps to one side of the
// reference surface (a touch does not end a stretch), with the area each encloses: a fill
// stretch down to the reference surface, a cut stretch up to the ground. Stretches too small
// for a report are left out.
std::vector<Stretch> Stretches(const Line& design, const Line& reference, const Line& ground) {
  const std::vector<double> xs =
      BreakPoints({&design, &reference, &ground}, design.front().x, design.back().x);
  std::vector<Stretch> stretches;
  double touching = 0;  // cut over pieces where the design line lies on a stripped surface
  const auto add = [&](int sign, double area) {
    if (sign == 0) {
      touching += area;
      return;
    }
    if (stretches.empty() || stretches.back().sign != sign) {
      stretches.push_back({sign, 0});
    } else if (sign < 0) {
      stretches.back().area += touching;  // inside a cut stretch
    }
    touching = 0;
    stretches.back().area += area;
  };
  for (std::size_t i = 1; i < xs.size(); ++i) {
    const double a = xs[i - 1];
    const double b = xs[i];
    if (b == a) {
      continue;
    }
    const double da = ReadLine(design, a, true) - ReadLine(reference, a, true);
    const double db = ReadLine(design, b, false) - ReadLine(reference, b, false);
    // Height of the body over the piece: to the reference in fill, to the ground in cut.
    const double ca = ReadLine(ground, a, true) - ReadLine(design, a, true);
    const double cb = ReadLine(ground, b, false) - ReadLine(design, b, false);
    const int sa = SideOf(da);
    const int sb = SideOf(db);
    if (sa * sb < 0) {
      const double t = da / (da - db);
      const double xc = a + t * (b - a);
      const double cc = ca + t * (cb - ca);
      add(sa, sa > 0 ? da * (xc - a) / 2 : (ca + cc) / 2 * (xc - a));
      add(sb, sb > 0 ? db * (b - xc) / 2 : (cc + cb) / 2 * (b - xc));
    } else {
      const int sign = sa != 0 ? sa : sb;
      add(sign, sign > 0 ? (da + db) / 2 * (b - a) : (ca + cb) / 2 * (b - a));
    }
  }
  std::erase_if(stretches, [](const Stretch& s) { return s.area < kReportable; });
  return stretches;
}

// Where the ground a fill body may lie on steps back up from the stripped surface, with
// stripping only in fill: at the template end of a side in cut, at the top of a fill ditch.
double UnstrippedFrom(const SectionResults& r, int side) {
  const std::vector<SectionPoint>& design = r.DesignLine[side];
  // A side without template lines has an end vertex of its own once the subgrade moved it.
  const int lines = r.Variant.LinesOnSide(side);
  const std::size_t end = static_cast<std::size_t>(lines == 0 && r.Variant.SubG != 0 ? 1 : lines);
  if (r.SideState[side] == kDesignUnderGround) {
    return design[std::min(end, design.size() - 1)].x;
  }
  if (design.size() > end + 2 && design[end + 1] == r.CatchPoint[side]) {
    return r.CatchPoint[side].x;
  }
  return side * INFINITY;
}

Line Reference(const SectionResults& r, const ProjectRecord& project) {
  const Line ground = Joined(r.GroundLine);
  const double depth = r.Variant.Deco;
  if (depth == 0 || project.DecaMethod != 0) {
    return ground;
  }
  const double from = UnstrippedFrom(r, -1);
  const double to = UnstrippedFrom(r, 1);
  Line surface;
  for (const SectionPoint& p : ground) {
    if (p.x < from) {
      surface.push_back(p);
    }
  }
  if (std::isfinite(from)) {
    surface.push_back({from, ReadLine(ground, from, false)});
    surface.push_back({from, ReadLine(ground, from, true) - depth});
  }
  for (const SectionPoint& p : ground) {
    if (p.x > from && p.x < to) {
      surface.push_back({p.x, p.y - depth});
    }
  }
  if (std::isfinite(to)) {
    surface.push_back({to, ReadLine(ground, to, false) - depth});
    surface.push_back({to, ReadLine(ground, to, true)});
  }
  for (const SectionPoint& p : ground) {
    if (p.x > to) {
      surface.push_back(p);
    }
  }
  return surface;
}

double Shoelace(const std::vector<SectionPoint>& ring) {
  double twice = 0;
  for (std::size_t i = 1; i < ring.size(); ++i) {
    twice += (ring[i - 1].x - ring[0].x) * (ring[i].y - ring[0].y) -
             (ring[i].x - ring[0].x) * (ring[i - 1].y - ring[0].y);
  }
  return std::fabs(twice) / 2;
}

int SectionCount() {
  const char* count = std::getenv("CALVORA_GENERATED_SECTIONS");
  return count != nullptr ? std::atoi(count) : 5000;
}

// Every body is a closed ring within the surveyed ground, large enough to show, without a
// spike, and (where given) the area computed for it is its shoelace area.
void ExpectSoundBodies(const std::vector<SectionPolygon>& bodies, const std::vector<double>* areas,
                       const SectionResults& r, const std::string& what) {
  if (areas != nullptr) {
    ASSERT_EQ(bodies.size(), areas->size()) << what;
  }
  ASSERT_NO_FATAL_FAILURE(
      ExpectClosedRingsWithin(bodies, r.GroundLine[-1].back().x, r.GroundLine[1].back().x, what));
  for (std::size_t p = 0; p < bodies.size(); ++p) {
    const double area = Shoelace(bodies[p].Points);
    EXPECT_GE(area, kReportable) << what << " body " << p + 1;
    EXPECT_FALSE(testing::HasSpike(bodies[p].Points)) << what << " body " << p + 1;
    if (areas != nullptr) {
      EXPECT_NEAR((*areas)[p], area, 1e-9 * (1 + area)) << what << " body " << p + 1;
    }
  }
}

TEST(GeneratedSections, BodiesAreTheStretchesBetweenDesignLineAndGround) {
  SectionGenerator generator(20261206);
  testing::Road road({});
  SectionEngine engine;
  const int count = SectionCount();
  int computed = 0;
  int touching = 0;
  std::optional<SectionSlot> previous;
  for (int n = 0; n < count; ++n) {
    const GeneratedSection g = generator.Next();
    const SectionResults& r = testing::ComputeOn(road, engine, g.section, g.variant, g.project);
    if (!r.Valid()) {
      continue;
    }
    ++computed;
    const std::string what = "section " + std::to_string(n);
    const SectionAreas areas = ComputeSectionAreas(r);
    ExpectSoundBodies(r.SectionPolygons, &areas.PolygonArea, r, what);
    ExpectSoundBodies(r.StripPolygons, nullptr, r, what + " stripping");
    for (std::size_t j = 0; j < r.LayerPolygons.size(); ++j) {
      ExpectSoundBodies(r.LayerPolygons[j], &areas.LayerPolygonArea[j], r,
                        what + " layer " + std::to_string(j));
    }
    const Line design = Joined(r.DesignLine);
    const std::vector<Stretch> stretches =
        Stretches(design, Reference(r, g.project), Joined(r.GroundLine));
    EXPECT_EQ(areas.PolygonCount, static_cast<int>(stretches.size())) << what;
    for (std::size_t p = 0; p < stretches.size() && p < r.SectionPolygons.size(); ++p) {
      EXPECT_EQ(r.SectionPolygons[p].Kind == PolygonKind::Fill ? 1 : -1, stretches[p].sign)
          << what << " body " << p + 1;
      EXPECT_NEAR(areas.PolygonArea[p], stretches[p].area, 1e-6 * (1 + stretches[p].area))
          << what << " body " << p + 1;
    }
    for (const int side : {-1, 1}) {
      for (const SectionPoint& p : r.GroundLine[side]) {
        touching += p == r.CatchPoint[side];
      }
    }
    EXPECT_GE(areas.FillArea, 0) << what;
    for (const double layer : areas.LayerArea) {
      EXPECT_GE(layer, 0) << what;
    }
    SectionSlot current;
    current.Station = static_cast<float>(20 * n);
    current.Areas = areas;
    current.LeftSideState = r.SideState[-1];
    if (previous) {
      for (const int method : {kMedianMethod, kPreciseMethod}) {
        const IntervalQuantities q = ComputeVolumes(*previous, current, method);
        EXPECT_GE(q.CutVolume, 0) << what;
        EXPECT_GE(q.FillVolume, 0) << what;
        for (const double layer : q.LayerVolume) {
          EXPECT_GE(layer, 0) << what;
        }
      }
    }
    previous = current;
    if (::testing::Test::HasFailure()) {
      return;  // the first section that fails is the one to look at
    }
  }
  EXPECT_GT(computed, count / 2);
  EXPECT_GT(touching, count / 10);
}

}  // namespace
}  // namespace calvora
