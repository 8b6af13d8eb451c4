#include <cmath>

#include "numbers/number_text.h"

namespace calvora {

// The station is rounded before it is split, so float noise (999.70001) and carries (999.9996
// to 3 decimals) land in the kilometres instead of showing as metres of 1000 or more. fmod is
// exact, so the metres hold no noise of a division.
std::string StationLabel(double station, int digits) {
  if (!std::isfinite(station)) {
    return PlainNumber(station);
  }
  const double rounded = RoundTo(station, digits);
  double metres = std::fmod(rounded, 1000);
  if (metres < 0) {
    metres += 1000;
  }
  double kilometres = std::round((rounded - metres) / 1000);
  metres = RoundTo(metres, digits);
  if (metres >= 1000) {  // a remainder just below a whole kilometre
    kilometres += 1;
    metres = RoundTo(metres - 1000, digits);
  }
  return PlainNumber(kilometres) + "+" + PlainNumber(metres);
}

std::string StationText(double station) {
  if (!std::isfinite(station)) {
    return PlainNumber(station);
  }
  const double rounded = RoundTo(station, 2);
  const double kilometres = std::floor(rounded / 1000);
  return FormatNumber(kilometres, "0") + "+" + FormatField(rounded - kilometres * 1000, "000.00");
}

}  // namespace calvora
