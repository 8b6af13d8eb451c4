#include "section/section_areas.h"

#include <cmath>

#include "numbers/number_text.h"

namespace calvora {
namespace {

// Two decimals, as a "#####.##" column rounds. Away from a half-hundredth the nearest
// hundredth is plain arithmetic (k / 100 is the double the decimal text reads back as); near
// one, the decimal form decides.
double RoundArea(double value) {
  const double hundredths = value * 100;
  if (!(std::fabs(hundredths) < 1e12) ||
      std::fabs(hundredths - std::floor(hundredths) - 0.5) < 1e-6) {
    return RoundTo(value, 2);
  }
  const double rounded = std::round(hundredths) / 100;
  return rounded == 0 ? 0.0 : rounded;
}

}  // namespace

double PolygonArea(const std::vector<SectionPoint>& points) {
  if (points.empty()) {
    return 0;
  }
  // Measured from the first point: elevations of hundreds of metres cancel out exactly.
  const SectionPoint origin = points.front();
  double twice = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const double x0 = points[i - 1].x - origin.x;
    const double y0 = points[i - 1].y - origin.y;
    const double x1 = points[i].x - origin.x;
    const double y1 = points[i].y - origin.y;
    twice += y0 * x1 - x0 * y1;
  }
  return std::fabs(twice) / 2;
}

SectionAreas ComputeSectionAreas(const SectionResults& results) {
  SectionAreas areas;
  if (!results.Valid()) {
    return areas;
  }
  areas.Valid = true;
  areas.PolygonArea.reserve(results.SectionPolygons.size());

  for (const SectionPolygon& polygon : results.SectionPolygons) {
    const double area = PolygonArea(polygon.Points);
    areas.PolygonArea.push_back(area);
    (polygon.Kind == PolygonKind::Cut ? areas.CutArea : areas.FillArea) += area;
    (polygon.Kind == PolygonKind::Fill ? areas.FillLength : areas.CutLength) += polygon.Length;
  }
  areas.PolygonCount = static_cast<int>(results.SectionPolygons.size());
  areas.CutArea = RoundArea(areas.CutArea);

  // Each layer's fill lies within the fill above it: the fill and each layer but the last keep
  // the band between their line and the next one's, rounded as a band so that it never shows
  // less than nothing.
  const std::size_t layers = results.LayerPolygons.size();
  areas.LayerPolygonArea.resize(layers);
  double above = areas.FillArea;
  double* band = &areas.FillArea;
  double* bandLength = &areas.FillLength;
  for (std::size_t j = 0; j < layers; ++j) {
    double layerFill = 0;
    areas.LayerPolygonArea[j].reserve(results.LayerPolygons[j].size());
    for (const SectionPolygon& polygon : results.LayerPolygons[j]) {
      const double area = PolygonArea(polygon.Points);
      areas.LayerPolygonArea[j].push_back(area);
      if (polygon.Kind == PolygonKind::Fill) {
        layerFill += area;
        areas.LayerLength[j] += polygon.Length;
      }
    }
    *band = RoundArea(above - layerFill);
    *bandLength -= areas.LayerLength[j];
    above = layerFill;
    band = &areas.LayerArea[j];
    bandLength = &areas.LayerLength[j];
  }
  *band = RoundArea(above);

  if (results.Variant.Deco != 0) {
    double topsoil = 0;
    for (const SectionPolygon& strip : results.StripPolygons) {
      topsoil += PolygonArea(strip.Points);
    }
    areas.TopsoilArea = RoundArea(topsoil);
  }

  areas.FillLength = RoundArea(areas.FillLength);
  areas.CutLength = RoundArea(areas.CutLength);
  areas.FsLength = RoundArea(results.FsLength);
  areas.CsLength = RoundArea(results.CsLength + areas.CutLength);
  for (double& length : areas.LayerLength) {
    length = RoundArea(length);
  }
  return areas;
}

}  // namespace calvora
