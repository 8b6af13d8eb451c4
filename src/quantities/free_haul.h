#pragma once
// The free-haul line of a crest or trough of the mass curve: the horizontal chord of the given
// length that cuts the curve on both sides of it.

#include <optional>

#include "quantities/mass_haul.h"

namespace calvora {

struct FreeHaulLine {
  double From = 0;  // stations where the chord meets the curve
  double To = 0;
  double Ordinate = 0;
};

// The chord of length freeHaul across the extreme at ordinate index (a crest or a trough of
// haul.Ordinates); nullopt when the curve around it is nowhere that wide, or stations fall back.
std::optional<FreeHaulLine> FreeHaulAcross(const MassHaul& haul, std::size_t index,
                                           double freeHaul);

}  // namespace calvora
