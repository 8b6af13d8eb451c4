#pragma once
// The mass-haul diagram's numbers: a volume run in memory (no report written) and, at each
// section, the mass ordinate, the running sum of cut times the cut factor less fill (with the
// compaction layers) over the intervals before it; its crests and troughs, balance points, and
// the haul moment.

#include <string>
#include <vector>

#include "project/progress.h"
#include "project/project_state.h"

namespace calvora {

struct MassOrdinate {
  int Record = 0;
  double Station = 0;  // metres, as the section engine places the section
  double Cut = 0;      // volumes of the interval ending at this section, as the quantity file
  double Fill = 0;     // holds them (fill with every compaction layer)
  double Ordinate = 0;
};

struct MassExtreme {
  int Record = 0;
  double Station = 0;
  double Ordinate = 0;
  bool Crest = false;  // a local maximum; else a trough
};

struct MassHaul {
  std::vector<MassOrdinate> Ordinates;  // the sections computed, in file order
  std::vector<MassExtreme> Extremes;
  std::vector<double> BalancePoints;  // stations where the ordinate passes zero
  double TotalCut = 0;                // times the cut factor
  double TotalFill = 0;
  double Final = 0;                   // the last ordinate: surplus (> 0) or deficit
  double Moment = 0;                  // m3 m: the area between the curve and the zero line
  double MeanHaul = 0;                // m: the moment over the total cut (0 without cut)
  std::vector<int> LeftOut;           // sections left out for a data error
  std::vector<std::string> Messages;  // the engine's, in order
  bool StationsFallBack = false;      // a section lies before the one above it in the file
  bool BadVariant = false;            // stopped at a section without its typical section
  bool Cancelled = false;
};

// From the ordinates: the crests and troughs, the balance points (interpolated linearly), the
// moment (trapezoids, split where the curve crosses zero) and the mean haul distance.
void DescribeMassCurve(MassHaul& haul);

// The sections of the project's survey data file with their typical sections (both loaded,
// with records), as the volume run computes them with the project's calculation method.
MassHaul ComputeMassHaul(const ProjectState& state, double cutFactor, Progress& progress);

}  // namespace calvora
