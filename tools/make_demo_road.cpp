// make_demo_road FOLDER: writes the demo road project DEMO.PRJ with its working files
// DEMO.DAT, DEMO.VAR, DEMO.CRV and the borrow-pit list DEMO.DPO into FOLDER.
//
// The road: 1.5 km of a two-lane road through rolling country, a section every 20 m. Three
// corners with circular curves (the second with spiral transitions), four vertical curves,
// cut, fill and side-hill sections, topsoil stripping and two compaction layers. Three typical
// cross-sections: the standard one (lanes, shoulders, a ditch in cut with a stepped cut slope, a
// ditch at the toe of low embankments), the same with a section limit on the right (a property
// line), and the same with a retaining wall on the right where the valley side falls away.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "records/alignment_record.h"
#include "records/project_record.h"
#include "records/record_file.h"
#include "records/section_record.h"
#include "records/variant_record.h"

namespace {

using namespace calvora;
namespace fs = std::filesystem;

constexpr double kSectionSpacing = 20;
constexpr int kStandard = 1;
constexpr int kLimitedRight = 2;
constexpr int kWallRight = 3;

double Round(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180;
}

// --- Vertical alignment: grade points with parabolic vertical curves at the inner points. ---

struct ProfilePoint {
  double station;
  double elevation;
  double curveLength;  // 0: a plain grade point
};

const std::vector<ProfilePoint> kProfile = {
    {0, 250.00, 0}, {420, 262.00, 160}, {900, 248.00, 200}, {1250, 256.00, 150}, {1580, 250.00, 0}};

double Grade(const ProfilePoint& a, const ProfilePoint& b) {
  return (b.elevation - a.elevation) / (b.station - a.station);
}

// The project elevation at a station: the grade line, replaced near each vertical curve's
// mid point by the parabola that meets both grades at the ends of the curve.
double ProjectElevation(double s) {
  for (std::size_t i = 1; i + 1 < kProfile.size(); ++i) {
    const ProfilePoint& p = kProfile[i];
    const double begin = p.station - p.curveLength / 2;
    if (p.curveLength > 0 && s > begin && s < p.station + p.curveLength / 2) {
      const double g1 = Grade(kProfile[i - 1], p);
      const double g2 = Grade(p, kProfile[i + 1]);
      return p.elevation + g1 * (s - p.station) +
             (g2 - g1) / (2 * p.curveLength) * std::pow(s - begin, 2);
    }
  }
  for (std::size_t i = 1; i < kProfile.size(); ++i) {
    if (s <= kProfile[i].station) {
      return kProfile[i - 1].elevation +
             Grade(kProfile[i - 1], kProfile[i]) * (s - kProfile[i - 1].station);
    }
  }
  return kProfile.back().elevation;
}

// --- Ground: rolling country about the grade line, its cross fall changing along the road. ---

// Ground above the grade line on the centre line: cut where positive, fill where negative.
double Depth(double s) {
  return 3.2 * std::sin(2 * std::numbers::pi * s / 560 + 0.9) +
         1.3 * std::sin(2 * std::numbers::pi * s / 190 + 0.3);
}

double GroundCentre(double s) {
  return ProjectElevation(s) + Depth(s);
}

double CrossFall(double s) {
  return 0.16 * std::sin(2 * std::numbers::pi * s / 520 + 1.1);
}

// Elevation of the ground at signed offset x: the cross fall plus a gentle relief.
double Ground(double s, double x) {
  return GroundCentre(s) + CrossFall(s) * x + 0.25 * std::sin(x / 4.5 + s / 60);
}

int VariantAt(double s) {
  if (s >= 300 && s < 440) {
    return kLimitedRight;
  }
  if (s >= 800 && s < 920) {
    return kWallRight;
  }
  return kStandard;
}

SectionRecord Section(double s) {
  SectionRecord r;
  r.Kilo = static_cast<std::int16_t>(std::floor(s / 1000));
  r.Meter = static_cast<float>(s - 1000.0 * r.Kilo);
  r.PRElev = static_cast<float>(Round(ProjectElevation(s), 2));
  r.GRElev = static_cast<float>(Round(GroundCentre(s), 2));
  r.Var = static_cast<std::int16_t>(VariantAt(s));
  const std::vector<double> offsets = {3, 7, 11, 16, 22, 30, 40};
  for (const int side : {-1, 1}) {
    const bool valleyWall = r.Var == kWallRight && side == 1;
    // Beside the wall the surveyed ground falls away steeply to 12 m, below any embankment.
    const std::vector<double> at = valleyWall ? std::vector<double>{2, 6, 9, 12} : offsets;
    for (std::size_t k = 0; k < at.size(); ++k) {
      const int i = side * static_cast<int>(k + 1);
      const double x = side * at[k];
      const double y = valleyWall ? GroundCentre(s) - 0.05 * std::min(at[k], 2.0) -
                                        0.8 * std::max(at[k] - 2, 0.0)
                                  : Ground(s, x);
      r.GroundPoints(i, 0) = static_cast<float>(x);
      r.GroundPoints(i, 1) = static_cast<float>(Round(y, 2));
    }
    r.PointCount[side] = static_cast<std::int16_t>(side * static_cast<int>(at.size()));
  }
  return r;
}

// --- Typical cross-sections. ---

VariantRecord StandardSection() {
  VariantRecord v;
  for (const int s : {-1, 1}) {
    const float side = static_cast<float>(s);
    v.Point(s, 0) = 3.5f * side;  // lane, 2 % cross fall
    v.Point(s, 1) = -0.07f;
    v.Point(2 * s, 0) = 5.0f * side;  // shoulder, 4 %
    v.Point(2 * s, 1) = -0.13f;
    v.LineCount[s] = 2 * side;
    v.FillSlope[s] = 1 / 1.5f;
    // Ditch in cut: 0.6 m deep with a 0.6 m bottom, then the cut slope at 1:1 with a 1.5 m
    // bench every 2 m of height.
    const float cut[][2] = {{1.0f, -0.6f}, {1.6f, -0.6f}, {3.6f, 1.4f}, {5.1f, 1.4f}, {7.1f, 3.4f}};
    for (int k = 1; k <= 5; ++k) {
      v.CutTran(k * s, 0) = cut[k - 1][0] * side;
      v.CutTran(k * s, 1) = cut[k - 1][1];
    }
    // Ditch at the toe of a low embankment: 0.5 m deep, back up to the ground.
    const float fill[][2] = {{1.0f, -0.5f}, {1.5f, -0.5f}, {3.0f, 0.5f}};
    for (int k = 1; k <= 3; ++k) {
      v.FillTran(k * s, 0) = fill[k - 1][0] * side;
      v.FillTran(k * s, 1) = fill[k - 1][1];
    }
  }
  v.Deco = 0.2f;   // topsoil stripping depth
  v.SubG = 0.45f;  // pavement
  return v;
}

VariantRecord LimitedRightSection() {
  VariantRecord v = StandardSection();
  v.Limit[1] = 14.0f;  // property line 14 m right of the centre line
  return v;
}

VariantRecord WallRightSection() {
  VariantRecord v = StandardSection();
  v.Wall = 9.0f;  // the embankment ends at a retaining wall 9 m out
  return v;
}

// --- Horizontal alignment: a polygon whose corners carry the curves. ---

struct Corner {
  double legBefore;  // length of the tangent leading to the corner
  double deflectionDegrees;
  int turn;  // -1 left, +1 right
  double radius;
  double spiralParameter;  // 0: no spirals
};

const double kStartX = 5200.0;
const double kStartY = 8100.0;
const double kStartAzimuthDegrees = 32;
const std::vector<Corner> kCorners = {
    {360, 26, 1, 320, 0}, {420, 38, -1, 260, 150}, {430, 19, 1, 420, 0}};
const double kLastLeg = 380;

void AddRecord(RecordFile& file, double station, PointCode code, double p1 = 0, double p2 = 0,
               double p3 = 0) {
  AlignmentRecord r;
  if (code != PointCode::XYCoordinate) {
    r.Kilo = static_cast<std::int16_t>(std::floor(station / 1000));
    r.Meter = static_cast<float>(Round(station - 1000.0 * r.Kilo, 4));
  }
  r.Code = static_cast<std::int16_t>(code);
  r.Param1 = static_cast<float>(p1);
  r.Param2 = static_cast<float>(p2);
  r.Param3 = static_cast<float>(p3);
  WriteRecord(file, file.Count() + 1, r);
}

// The profile points first, then the polygon with the curves of each corner around its X-Y
// record. Returns the station of the road's end.
double WriteAlignment(RecordFile& file) {
  for (const ProfilePoint& p : kProfile) {
    if (p.curveLength > 0) {
      AddRecord(file, p.station, PointCode::VerticalCurveMid, p.elevation, p.curveLength);
    } else {
      AddRecord(file, p.station, PointCode::ElevationPoint, p.elevation);
    }
  }
  AddRecord(file, 0, PointCode::BenchMark, 251.384);

  double x = kStartX;
  double y = kStartY;
  double azimuth = Radians(kStartAzimuthDegrees);
  AddRecord(file, 0, PointCode::XYCoordinate, x, y);
  double station = 0;
  double previousTangent = 0;
  for (const Corner& c : kCorners) {
    x += c.legBefore * std::cos(azimuth);
    y += c.legBefore * std::sin(azimuth);
    const double delta = Radians(c.deflectionDegrees);
    const PointCode turnCode = c.turn < 0 ? PointCode::LeftTurnStart : PointCode::RightTurnStart;
    if (c.spiralParameter == 0) {
      const double tangent = c.radius * std::tan(delta / 2);
      const double length = c.radius * delta;
      const double start = station + c.legBefore - previousTangent - tangent;
      AddRecord(file, start, turnCode, c.radius, length, delta);
      AddRecord(file, 0, PointCode::XYCoordinate, x, y);
      AddRecord(file, start + length, PointCode::HorizontalCurveEnd);
      station = start + length;
      previousTangent = tangent;
    } else {
      // Clothoid transitions: spiral length, angle, and the shift of the circle.
      const double spiral = c.spiralParameter * c.spiralParameter / c.radius;
      const double tau = spiral / (2 * c.radius);
      const double shift = spiral * spiral / (24 * c.radius);
      const double along = spiral / 2 - std::pow(spiral, 3) / (240 * c.radius * c.radius);
      const double tangent = (c.radius + shift) * std::tan(delta / 2) + along;
      const double arc = c.radius * (delta - 2 * tau);
      const double start = station + c.legBefore - previousTangent - tangent;
      AddRecord(file, start, PointCode::FirstSpiralStart, c.spiralParameter, spiral, tau);
      AddRecord(file, start + spiral, turnCode, c.radius, arc, delta);
      AddRecord(file, 0, PointCode::XYCoordinate, x, y);
      AddRecord(file, start + spiral + arc, PointCode::HorizontalCurveEnd);
      AddRecord(file, start + 2 * spiral + arc, PointCode::SecondSpiralEnd, c.spiralParameter,
                spiral, tau);
      station = start + 2 * spiral + arc;
      previousTangent = tangent;
    }
    azimuth -= c.turn * delta;
  }
  x += kLastLeg * std::cos(azimuth);
  y += kLastLeg * std::sin(azimuth);
  AddRecord(file, 0, PointCode::XYCoordinate, x, y);
  return station + kLastLeg - previousTangent;
}

ProjectRecord Project() {
  ProjectRecord p;
  InitialiseNewProject(p);
  p.DataFile = "DEMO.DAT";
  p.VariantFile = "DEMO.VAR";
  p.AlignFile = "DEMO.CRV";
  p.TitleLeft = "Valle Alto bypass - demo road";
  p.TitleCenter = "Cross-sections";
  p.TitleRight = "Calvora";
  p.DrawDatum = -1;
  p.Thickness = {0.30f, 0.30f, 0, 0, 0};
  p.Compaction = {95, 90, 0, 0, 0};
  p.CalcMethod = 1;  // "Precise Method"
  p.DecaMethod = 0;  // stripping only in fill
  p.Margin = {0.02f, 0.02f, 0.02f, 0.02f};
  p.Pen = {1, 1, 2, 1, 1};
  return p;
}

// Record files are written record by record: start from nothing.
RecordFile Fresh(const fs::path& path, std::size_t recordLength) {
  fs::remove(path);
  return RecordFile(path, recordLength);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_demo_road FOLDER\n");
    return 2;
  }
  const fs::path folder = argv[1];
  try {
    fs::create_directories(folder);
    RecordFile project = Fresh(folder / "DEMO.PRJ", ProjectRecord::kLength);
    WriteRecord(project, 1, Project());

    RecordFile variants = Fresh(folder / "DEMO.VAR", VariantRecord::kLength);
    WriteRecord(variants, kStandard, StandardSection());
    WriteRecord(variants, kLimitedRight, LimitedRightSection());
    WriteRecord(variants, kWallRight, WallRightSection());

    RecordFile alignment = Fresh(folder / "DEMO.CRV", AlignmentRecord::kLength);
    const double end = WriteAlignment(alignment);

    RecordFile sections = Fresh(folder / "DEMO.DAT", SectionRecord::kLength);
    for (double s = 0; s <= end; s += kSectionSpacing) {
      WriteRecord(sections, sections.Count() + 1, Section(s));
    }

    // Borrow pits in the order they serve the fill: kilometre, metre, capacity m3, access m.
    std::ofstream pits(folder / "DEMO.DPO", std::ios::binary | std::ios::trunc);
    pits << "0 180 9000 250\r\n1 120 12000 650\r\n1 420 30000 120\r\n";
    if (!pits) {
      throw FileError(folder / "DEMO.DPO", "Cannot write the borrow-pit list");
    }
    std::printf("%d sections over %.2f m written to %s\n", sections.Count(), end,
                folder.string().c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_demo_road: %s\n", error.what());
    return 1;
  }
  return 0;
}
