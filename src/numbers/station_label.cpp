#include <cmath>

#include "numbers/number_text.h"

namespace calvora {

// The station is rounded before it is split, so float noise (999.70001) and carries (999.9996
// to 3 decimals) land in the kilometres instead of showing as metres of 1000 or more.
std::string StationLabel(double station, int digits) {
  if (!std::isfinite(station)) {
    return PlainNumber(station);
  }
  const double rounded = RoundTo(station, digits);
  double kilometres = std::floor(rounded / 1000);
  double metres = RoundTo(rounded - kilometres * 1000, digits);
  if (metres >= 1000) {  // the division landed one kilometre short
    kilometres += 1;
    metres = RoundTo(metres - 1000, digits);
  } else if (metres < 0) {  // or one kilometre beyond
    kilometres -= 1;
    metres = RoundTo(metres + 1000, digits);
  }
  return PlainNumber(kilometres) + "+" + PlainNumber(metres);
}

}  // namespace calvora
