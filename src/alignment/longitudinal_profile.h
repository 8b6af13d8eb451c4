#pragma once
// The longitudinal section's numbers: the ground through every section, the design line of the
// alignment's vertical profile (grades and parabolic vertical curves) sampled densely, each
// section's elevations and their difference, and the grades between the vertical points.

#include <string>
#include <utility>
#include <vector>

#include "project/project_state.h"

namespace calvora {

struct ProfileSection {
  int Record = 0;
  double Station = 0;
  double Ground = 0;      // GRElev
  double Project = 0;     // PRElev
  double Difference = 0;  // ground less project: cut positive, fill negative
};

struct ProfileGrade {
  double From = 0;
  double To = 0;
  double Percent = 0;
  double Length = 0;
};

// A vertical curve about its PVI (the mid point), with the grades in and out in %.
struct ProfileCurve {
  double Station = 0;
  double Elevation = 0;
  double Length = 0;
  double GradeIn = 0;
  double GradeOut = 0;
};

struct LongitudinalProfile {
  std::vector<std::pair<double, double>> Ground;  // (station, elevation), in file order
  std::vector<std::pair<double, double>> Design;  // empty without two usable vertical points
  std::vector<ProfileSection> Sections;
  std::vector<ProfileGrade> Grades;
  std::vector<ProfileCurve> Curves;  // with a length, in file order
  std::vector<std::string> Notes;    // why the design is left out; sections out of station order
};

// Design points at most this far apart along the station axis.
inline constexpr double kDesignStep = 1.0;

// From the survey data file and the alignment file, both loaded (the caller checks).
LongitudinalProfile ComputeLongitudinalProfile(const ProjectState& state);

}  // namespace calvora
