#pragma once
// The geometry of one corner of the polygon: its turn and where no curve can fit.

#include <optional>
#include <string>

#include "alignment/plane_geometry.h"
#include "records/alignment_record.h"

namespace calvora {

struct CornerTurn {
  PointCode turn = PointCode::LeftTurnStart;  // LeftTurnStart or RightTurnStart
  double deflection = 0;                      // angle between the two tangents, 0..pi
};

// The turn at corner between the tangents from previous and to next.
CornerTurn TurnAt(PlanePoint previous, PlanePoint corner, PlanePoint next);

// Why no curve fits at corner number n (a tangent without length, three points on one line),
// as the message to show; nullopt when a curve fits.
std::optional<std::string> CornerDefect(int n, PlanePoint previous, PlanePoint corner,
                                        PlanePoint next);

// The point at distance from the corner on its bisector, towards the inside of the turn.
PlanePoint InsideBisectorPoint(PlanePoint previous, PlanePoint corner, PlanePoint next,
                               double distance);

}  // namespace calvora
