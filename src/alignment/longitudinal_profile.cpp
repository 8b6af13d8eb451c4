#include "alignment/longitudinal_profile.h"

#include <algorithm>
#include <cmath>

#include "alignment/alignment_polygon.h"
#include "alignment/vertical_profile.h"
#include "records/record_file.h"

namespace calvora {

namespace {

void AddSections(const ProjectState& state, LongitudinalProfile& profile) {
  bool fallsBack = false;
  for (int n = 1; n <= state.Data.Count(); ++n) {
    const SectionRecord section = ReadRecord<SectionRecord>(*state.Data.File, n);
    const double station = section.Station();
    if (!std::isfinite(station) || !std::isfinite(section.GRElev) ||
        !std::isfinite(section.PRElev)) {
      profile.Notes.push_back("Section " + std::to_string(n) +
                              " holds a value that is no number and is left out.");
      continue;
    }
    fallsBack |= !profile.Sections.empty() && station < profile.Sections.back().Station;
    profile.Sections.push_back({n, station, section.GRElev, section.PRElev,
                                static_cast<double>(section.GRElev) - section.PRElev});
    profile.Ground.emplace_back(station, section.GRElev);
  }
  if (fallsBack) {
    profile.Notes.emplace_back(
        "The sections' stations do not rise in file order; the drawing follows the file order.");
  }
}

void AddDesign(const std::vector<VerticalPoint>& points, LongitudinalProfile& profile) {
  for (std::size_t i = 1; i < points.size(); ++i) {
    const double length = points[i].station - points[i - 1].station;
    profile.Grades.push_back({points[i - 1].station, points[i].station,
                              100 * (points[i].elevation - points[i - 1].elevation) / length,
                              length});
  }
  for (std::size_t i = 1; i + 1 < points.size(); ++i) {
    if (points[i].curveMid && points[i].curveLength > 0) {
      profile.Curves.push_back({points[i].station, points[i].elevation, points[i].curveLength,
                                profile.Grades[i - 1].Percent, profile.Grades[i].Percent});
    }
  }
  const VerticalProfile design(points);
  const double first = points.front().station, last = points.back().station;
  const int steps = static_cast<int>(std::ceil((last - first) / kDesignStep));
  for (int k = 0; k <= steps; ++k) {
    const double station = k == steps ? last : first + (last - first) * k / steps;
    profile.Design.emplace_back(station, design.ElevationAt(station));
  }
}

}  // namespace

LongitudinalProfile ComputeLongitudinalProfile(const ProjectState& state) {
  LongitudinalProfile profile;
  AddSections(state, profile);
  const std::vector<VerticalPoint> points = ReadVerticalPoints(ReadAlignmentRecords(state.Align));
  if (points.size() < 2) {
    profile.Notes.emplace_back(
        "The alignment holds fewer than two vertical points: no design line.");
  } else if (const auto defect = VerticalPointsDefect(points)) {
    profile.Notes.push_back(*defect + " No design line.");
  } else {
    AddDesign(points, profile);
  }
  return profile;
}

}  // namespace calvora
