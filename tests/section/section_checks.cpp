#include "section_checks.h"

#include <algorithm>
#include <cmath>

#include "records/record_file.h"
#include "section/section_areas.h"

namespace calvora::testing {

const SectionResults& ComputeOn(Road& road, SectionEngine& engine, const SectionRecord& section,
                                const VariantRecord& variant, const ProjectRecord& project) {
  road.Rewrite(1, section);
  road.Rewrite(1, variant);
  engine.ComputeSection(*road.state.Data.File, *road.state.Var.File, project, 1);
  return engine.Results();
}

SectionResults ComputeOne(const SectionRecord& section, const VariantRecord& variant,
                          const ProjectRecord& project) {
  Road road({{}, {section}, {variant}});
  SectionEngine engine;
  return ComputeOn(road, engine, section, variant, project);
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
