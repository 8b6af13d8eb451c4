#include "quantities/interval_quantities.h"

#include <cmath>
#include <numeric>

namespace calvora {

namespace {

constexpr int kLayers = ProjectRecord::kLayerCount;

// The areas of one section as the volume formulas see them.
struct EndAreas {
  double cut = 0;
  double fill = 0;  // outside the layers
  std::array<double, kLayers> layer{};
  double wholeFill = 0;  // fill and layers together

  explicit EndAreas(const SectionAreas& areas)
      : cut(areas.CutArea), fill(areas.FillArea), layer(areas.LayerArea) {
    wholeFill = std::accumulate(layer.begin(), layer.end(), fill);
  }
};

void AverageCut(const EndAreas& a, const EndAreas& b, double d, IntervalQuantities& q) {
  q.CutVolume = (a.cut + b.cut) * d / 2;
}

void AverageFill(const EndAreas& a, const EndAreas& b, double d, IntervalQuantities& q) {
  q.FillVolume = (a.fill + b.fill) * d / 2;
  for (int j = 0; j < kLayers; ++j) {
    q.LayerVolume[j] = (a.layer[j] + b.layer[j]) * d / 2;
  }
}

// Length of the wedge that starts at a section with area `own` and ends where the area,
// interpolated towards the other section's area of the opposite kind, changes sign. Areas are
// never negative, and the case table uses it only where the sum holds a non-zero area.
double WedgeLength(double d, double own, double opposite) {
  return d * own / (own + opposite);
}

// Fill and layers of section s as a wedge of length t; added to what q holds.
void AddFillWedge(const EndAreas& s, double t, IntervalQuantities& q) {
  q.FillVolume += s.fill * t / 2;
  for (int j = 0; j < kLayers; ++j) {
    q.LayerVolume[j] += s.layer[j] * t / 2;
  }
}

void PreciseVolumes(const EndAreas& a, const EndAreas& b, double d, bool sameLeftSide,
                    IntervalQuantities& q) {
  // Fill counts with its layers: a section whose fill lies wholly in the layers is in fill.
  const bool cut1 = a.cut != 0;
  const bool fill1 = a.wholeFill != 0;
  const bool cut2 = b.cut != 0;
  const bool fill2 = b.wholeFill != 0;

  if (!cut1 && !cut2) {
    AverageFill(a, b, d, q);
  } else if (!cut1) {
    if (!fill2) {  // fill (or nothing) to all cut
      const double t = WedgeLength(d, a.wholeFill, b.cut);
      AddFillWedge(a, t, q);
      q.CutVolume = b.cut * (d - t) / 2;
    } else {  // fill to mixed
      AverageFill(a, b, d, q);
      q.CutVolume = b.cut * WedgeLength(d, b.cut, a.wholeFill) / 2;
    }
  } else if (!fill1) {
    if (!fill2) {
      AverageCut(a, b, d, q);
    } else if (!cut2) {  // all cut to all fill
      const double t = WedgeLength(d, b.wholeFill, a.cut);
      AddFillWedge(b, t, q);
      q.CutVolume = a.cut * (d - t) / 2;
    } else {  // all cut to mixed
      AverageCut(a, b, d, q);
      AddFillWedge(b, WedgeLength(d, b.wholeFill, a.cut), q);
    }
  } else if (!cut2) {  // mixed to all fill
    AverageFill(a, b, d, q);
    q.CutVolume = a.cut * WedgeLength(d, a.cut, b.wholeFill) / 2;
  } else if (!fill2) {  // mixed to all cut
    AverageCut(a, b, d, q);
    AddFillWedge(a, WedgeLength(d, a.wholeFill, b.cut), q);
  } else if (sameLeftSide) {
    AverageCut(a, b, d, q);
    AverageFill(a, b, d, q);
  } else {  // mixed to mixed with the sides swapped: two wedges
    const double t1 = WedgeLength(d, a.wholeFill, b.cut);
    AddFillWedge(a, t1, q);
    q.CutVolume = b.cut * (d - t1) / 2;
    const double t2 = WedgeLength(d, b.wholeFill, a.cut);
    AddFillWedge(b, t2, q);
    q.CutVolume += a.cut * (d - t2) / 2;
  }
}

double AverageTimes(double a, double b, double d) {
  return (a + b) / 2 * d;
}

}  // namespace

IntervalQuantities ComputeVolumes(const SectionSlot& previous, const SectionSlot& current,
                                  int calcMethod) {
  IntervalQuantities q;
  q.Distance = current.Station - previous.Station;
  // Sections whose stations run backwards enclose the same earth: the volumes and surfaces
  // take the length between them, the distance keeps its sign for the reports.
  const double d = std::abs(q.Distance);
  const EndAreas a(previous.Areas);
  const EndAreas b(current.Areas);

  const bool manyPolygons = previous.Areas.PolygonCount >= 3 || current.Areas.PolygonCount >= 3;
  if (calcMethod == kPreciseMethod && !manyPolygons) {
    PreciseVolumes(a, b, d, previous.LeftSideState == current.LeftSideState, q);
  } else {
    AverageCut(a, b, d, q);
    AverageFill(a, b, d, q);
  }

  const SectionAreas& p = previous.Areas;
  const SectionAreas& c = current.Areas;
  q.TopsoilVolume = AverageTimes(p.TopsoilArea, c.TopsoilArea, d);
  q.CutSurface = AverageTimes(p.CutLength, c.CutLength, d);
  q.FillSurface = AverageTimes(p.FillLength, c.FillLength, d);
  q.CsSurface = AverageTimes(p.CsLength, c.CsLength, d);
  q.FsSurface = AverageTimes(p.FsLength, c.FsLength, d);
  for (int j = 0; j < kLayers; ++j) {
    q.LayerSurface[j] = AverageTimes(p.LayerLength[j], c.LayerLength[j], d);
  }
  return q;
}

}  // namespace calvora
