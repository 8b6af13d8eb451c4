#include "quantities/free_haul.h"

#include <algorithm>
#include <cmath>

namespace calvora {

namespace {

constexpr int kBisections = 60;

// Where the curve, walked from index outwards (step -1 or +1), first drops below level
// (ordinates signed so that the extreme is a crest); nullopt when it never does.
std::optional<double> Crossing(const std::vector<MassOrdinate>& o, std::size_t index, int step,
                               double sign, double level) {
  std::size_t i = index;
  while (step < 0 ? i > 0 : i + 1 < o.size()) {
    const std::size_t next = step < 0 ? i - 1 : i + 1;
    const double a = sign * o[i].Ordinate, b = sign * o[next].Ordinate;
    if (b < level) {
      const double t = (a - level) / (a - b);
      return o[i].Station + t * (o[next].Station - o[i].Station);
    }
    i = next;
  }
  return std::nullopt;
}

}  // namespace

std::optional<FreeHaulLine> FreeHaulAcross(const MassHaul& haul, std::size_t index,
                                           double freeHaul) {
  const auto& o = haul.Ordinates;
  if (index == 0 || index + 1 >= o.size() || !(freeHaul > 0) || haul.StationsFallBack) {
    return std::nullopt;
  }
  const double sign = o[index].Ordinate >= o[index - 1].Ordinate ? 1 : -1;
  const auto width = [&](double level) -> std::optional<std::pair<double, double>> {
    const auto left = Crossing(o, index, -1, sign, level);
    const auto right = Crossing(o, index, 1, sign, level);
    if (!left || !right) {
      return std::nullopt;
    }
    return std::pair{*left, *right};
  };
  // The chord widens as it is lowered: find the level where it is freeHaul long.
  double high = sign * o[index].Ordinate;
  // The chord ends on both sides down to the higher of the two sides' lowest points.
  double lowLeft = high, lowRight = high;
  for (std::size_t i = 0; i < o.size(); ++i) {
    double& side = i < index ? lowLeft : lowRight;
    side = std::min(side, sign * o[i].Ordinate);
  }
  double low = std::max(lowLeft, lowRight);
  low += (high - low) * 1e-12;
  const auto widest = width(low);
  if (!widest || widest->second - widest->first < freeHaul) {
    return std::nullopt;
  }
  for (int k = 0; k < kBisections; ++k) {
    const double middle = (low + high) / 2;
    const auto chord = width(middle);
    (chord && chord->second - chord->first >= freeHaul ? low : high) = middle;
  }
  const auto chord = width(low);
  return FreeHaulLine{chord->first, chord->second, sign * low};
}

}  // namespace calvora
