#include "drawing/station_axis.h"

#include <algorithm>
#include <cmath>

#include "numbers/number_text.h"

namespace calvora {

namespace {

constexpr double kMillimetresPerUnit = 25.4 * 0.2;
// Stations this close to a sheet edge lie on it.
constexpr double kEdgeTolerance = 1e-6;

}  // namespace

double UnitsPerMetre(double scale) {
  return 1000 / (scale * kMillimetresPerUnit);
}

std::optional<std::string> ScaleProblem(const std::string& name, double scale) {
  if (!std::isfinite(scale) || !(scale > 0)) {
    return "Cannot draw the sheets: the " + name + " must be a number above 0.";
  }
  return std::nullopt;
}

bool StationAxis::Holds(double station) const {
  return station >= First - kEdgeTolerance && station <= First + Length + kEdgeTolerance;
}

double SheetsNeeded(double first, double last, double plotWidth, double units) {
  const double span = plotWidth / units;
  return std::max(1.0, std::ceil((last - first) / span - kEdgeTolerance));
}

StationAxis SheetAxis(int sheet, double first, double plotWidth, double units, double left) {
  const double span = plotWidth / units;
  return {first + (sheet - 1) * span, span, left, units};
}

std::optional<std::string> TooManySheets(double sheets, double scale) {
  if (!(sheets <= kMostSheets)) {
    return "Cannot draw the sheets: the horizontal scale 1:" + PlainNumber(scale) +
           " needs more than " + std::to_string(kMostSheets) + " sheets.";
  }
  return std::nullopt;
}

}  // namespace calvora
