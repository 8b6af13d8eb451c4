#include "section_builder.h"

#include <algorithm>
#include <cmath>

#include "section/section_areas.h"

namespace calvora::testing {

SectionRecord MakeSection(double prElev, double grElev, const OutwardPoints& left,
                          const OutwardPoints& right) {
  SectionRecord section;
  section.Kilo = 1;
  section.Meter = 20.5f;
  section.PRElev = static_cast<float>(prElev);
  section.GRElev = static_cast<float>(grElev);
  section.Var = 1;
  for (const int side : {-1, 1}) {
    const OutwardPoints& points = side < 0 ? left : right;
    section.PointCount[side] = static_cast<std::int16_t>(side * static_cast<int>(points.size()));
    for (std::size_t k = 0; k < points.size(); ++k) {
      const int i = side * static_cast<int>(k + 1);
      section.GroundPoints(i, 0) = static_cast<float>(side * points[k].first);
      section.GroundPoints(i, 1) = static_cast<float>(points[k].second);
    }
  }
  return section;
}

SectionRecord MakeSection(double prElev, double grElev, const OutwardPoints& ground) {
  return MakeSection(prElev, grElev, ground, ground);
}

VariantRecord MakeVariant(const OutwardPoints& lines, double fillSlope) {
  VariantRecord variant;
  for (const int side : {-1, 1}) {
    variant.LineCount[side] = static_cast<float>(side * static_cast<int>(lines.size()));
    variant.FillSlope[side] = static_cast<float>(fillSlope);
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const int i = side * static_cast<int>(k + 1);
      variant.Point(i, 0) = static_cast<float>(side * lines[k].first);
      variant.Point(i, 1) = static_cast<float>(lines[k].second);
    }
  }
  return variant;
}

template <typename Table>
void SetRows(Table& table, const OutwardPoints& rows) {
  for (const int side : {-1, 1}) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
      const int i = side * static_cast<int>(k + 1);
      table(i, 0) = static_cast<float>(side * rows[k].first);
      table(i, 1) = static_cast<float>(rows[k].second);
    }
  }
}

void SetCutDitch(VariantRecord& variant, const OutwardPoints& rows) {
  SetRows(variant.CutTran, rows);
}

void SetFillDitch(VariantRecord& variant, const OutwardPoints& rows) {
  SetRows(variant.FillTran, rows);
}

SectionFiles::SectionFiles(const std::vector<SectionRecord>& sections,
                           const std::vector<VariantRecord>& variants) {
  data_.emplace(folder_ / "ROAD.DAT", SectionRecord::kLength);
  variants_.emplace(folder_ / "ROAD.VAR", VariantRecord::kLength);
  for (std::size_t i = 0; i < sections.size(); ++i) {
    WriteRecord(*data_, static_cast<int>(i + 1), sections[i]);
  }
  for (std::size_t i = 0; i < variants.size(); ++i) {
    WriteRecord(*variants_, static_cast<int>(i + 1), variants[i]);
  }
}

SectionResults ComputeOne(const SectionRecord& section, const VariantRecord& variant,
                          const ProjectRecord& project) {
  SectionFiles files({section}, {variant});
  SectionEngine engine;
  engine.ComputeSection(files.Data(), files.Variants(), project, 1);
  return engine.Results();
}

void SectionFiles::Rewrite(const SectionRecord& section, const VariantRecord& variant) {
  WriteRecord(*data_, 1, section);
  WriteRecord(*variants_, 1, variant);
}

namespace {

bool Finite(SectionPoint p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

bool Finite(const std::vector<SectionPoint>& points) {
  return std::all_of(points.begin(), points.end(), [](SectionPoint p) { return Finite(p); });
}

bool Finite(const std::vector<SectionPolygon>& polygons) {
  return std::all_of(polygons.begin(), polygons.end(), [](const SectionPolygon& polygon) {
    return std::isfinite(polygon.Length) && Finite(polygon.Points);
  });
}

}  // namespace

bool AllNumbersFinite(const SectionResults& r) {
  bool finite = std::isfinite(r.Station) && Finite(r.SectionPolygons) && Finite(r.StripPolygons);
  for (const std::vector<SectionPolygon>& layer : r.LayerPolygons) {
    finite = finite && Finite(layer);
  }
  for (const int side : {-1, 1}) {
    finite = finite && Finite(r.GroundLine[side]) && Finite(r.TemplateLine[side]) &&
             Finite(r.DesignLine[side]) && Finite(r.CatchPoint[side]) &&
             Finite(r.StripEdge[side]) && Finite(r.LimitPoint[side]);
  }
  for (const double value : {r.WallHeight, r.WallFootX, r.WallFootY, r.SectionGroundCentre,
                             r.SectionProjectCentre, r.FsLength, r.CsLength}) {
    finite = finite && std::isfinite(value);
  }
  return finite;
}

double SumOfArea(const std::vector<SectionPolygon>& polygons, PolygonKind kind) {
  double sum = 0;
  for (const SectionPolygon& polygon : polygons) {
    if (polygon.Kind == kind) {
      sum += PolygonArea(polygon.Points);
    }
  }
  return sum;
}

bool HasSpike(const std::vector<SectionPoint>& ring) {
  const std::size_t n = ring.size() - 1;  // the last point repeats the first
  for (std::size_t i = 0; i < n; ++i) {
    const SectionPoint a = ring[(i + n - 1) % n];
    const SectionPoint b = ring[i];
    const SectionPoint c = ring[i + 1];
    const double ux = b.x - a.x, uy = b.y - a.y, vx = c.x - b.x, vy = c.y - b.y;
    const double scale = std::hypot(ux, uy) * std::hypot(vx, vy);
    if (scale == 0 || (ux * vx + uy * vy < 0 && std::fabs(ux * vy - uy * vx) <= 1e-9 * scale)) {
      return true;
    }
  }
  return false;
}

}  // namespace calvora::testing
