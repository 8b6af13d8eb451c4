#include "section/section_input.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace calvora {
namespace {

// Offsets, elevations, slopes and thicknesses of a road stay far inside this.
constexpr double kLargestValue = 1.0e6;

bool Sound(double value) {
  return std::isfinite(value) && std::fabs(value) <= kLargestValue;
}

template <typename Table>
bool SoundRows(const Table& table, int from, int to) {
  for (int k = from; k <= to; ++k) {
    if (!Sound(table(k, 0)) || !Sound(table(k, 1))) {
      return false;
    }
  }
  return true;
}

bool SoundSettings(const SectionWork& work) {
  const SectionRecord& section = work.results.Section;
  const VariantRecord& variant = work.Variant();
  for (const double value :
       {static_cast<double>(section.Meter), static_cast<double>(section.PRElev),
        static_cast<double>(section.GRElev), static_cast<double>(variant.Deco),
        static_cast<double>(variant.Wall), static_cast<double>(variant.SubG),
        static_cast<double>(variant.FillSlope[-1]), static_cast<double>(variant.FillSlope[1]),
        static_cast<double>(variant.Limit[-1]), static_cast<double>(variant.Limit[1]),
        static_cast<double>(work.project.DecaThick)}) {
    if (!Sound(value)) {
      return false;
    }
  }
  for (const float thickness : work.project.Thickness) {
    if (!Sound(thickness)) {
      return false;
    }
  }
  return variant.Deco >= 0 && SoundRows(variant.CutTran, -11, 11) &&
         SoundRows(variant.FillTran, -5, 5);
}

// One side of a two-column table (offset, elevation or height) as a side line from the
// centre outwards; false when an offset is not sound or runs back towards the centre.
template <typename Table>
bool ReadSide(const Table& table, int side, int count, SectionPoint centre, SideLine& line) {
  line.assign(1, centre);
  for (int k = 1; k <= count; ++k) {
    const SectionPoint p{side * static_cast<double>(table(k * side, 0)),
                         static_cast<double>(table(k * side, 1))};
    if (!Sound(p.x) || !Sound(p.y) || p.x < line.back().x) {
      return false;
    }
    line.push_back(p);
  }
  return true;
}

}  // namespace

void LoadSides(SectionWork& work) {
  const SectionRecord& section = work.results.Section;
  const VariantRecord& variant = work.Variant();
  if (!SoundSettings(work)) {
    work.DataError();
  }
  work.prElev = section.PRElev;
  for (const int side : {-1, 1}) {
    const int points = std::max(0, side * static_cast<int>(section.PointCount[side]));
    if (points > SectionRecord::kMaxPointsPerSide + 1 ||
        !ReadSide(section.GroundPoints, side, points, {0, section.GRElev}, work.ground[side]) ||
        !ReadSide(variant.Point, side, variant.LinesOnSide(side), {0, 0}, work.templ[side])) {
      work.DataError();
    }
  }
  const bool stripping = variant.Deco != 0;
  work.fixedWidthStripping = stripping && work.project.DecaMethod == 1;
  work.stripOnlyInFill = stripping && work.project.DecaMethod != 1;
}

}  // namespace calvora
