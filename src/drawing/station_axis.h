#pragma once
// The station axis of the drawings along the road (the longitudinal section, the mass-haul
// diagram): a horizontal scale 1:N, the road cut into sheets of a plot width, and where a
// station lies on its sheet.

#include <optional>
#include <string>

namespace calvora {

// A scale that needs more sheets than this is refused.
inline constexpr int kMostSheets = 10000;

// Drawing units (0.2 inch of paper) that one metre takes at the scale 1:scale.
double UnitsPerMetre(double scale);

// Why 1:scale cannot be drawn (not a number above 0), naming it ("horizontal scale"); nullopt
// when it can.
std::optional<std::string> ScaleProblem(const std::string& name, double scale);

// One sheet's stretch of the road: stations First to First + Length from x = Left.
struct StationAxis {
  double First = 0;
  double Length = 0;
  double Left = 0;
  double Units = 1;  // per metre

  double X(double station) const { return Left + (station - First) * Units; }
  // Whether the station lies on this sheet (a station on a sheet edge lies on both sheets).
  bool Holds(double station) const;
};

// The road from the station first to last over sheets of plotWidth units at units per metre:
// the sheets needed, at least 1 (a double, so that an absurd scale can be told).
double SheetsNeeded(double first, double last, double plotWidth, double units);

// The stretch of sheet number sheet (from 1), its plot starting at x = left.
StationAxis SheetAxis(int sheet, double first, double plotWidth, double units, double left);

// "Cannot draw the sheets: the horizontal scale 1:N needs more than 10000 sheets." when the
// road needs more than kMostSheets; nullopt otherwise.
std::optional<std::string> TooManySheets(double sheets, double scale);

}  // namespace calvora
