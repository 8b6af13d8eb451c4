#pragma once
// The horizontal alignment as the alignment file lists it: polygon points (X-Y records), each
// with the curve data of the records between it and the point before.

#include <cstdint>
#include <vector>

#include "alignment/plane_geometry.h"
#include "project/project_state.h"
#include "records/alignment_record.h"

namespace calvora {

struct CornerCurve {
  double radius = 0;           // R; 0 for a plain angle point
  double deflection = 0;       // the whole deflection angle, radians
  std::int16_t turnCode = 0;   // LeftTurnStart or RightTurnStart; 0 without curve record
  double spiralParameter = 0;  // A; 0 without spirals

  // -1 for a left turn, +1 for a right turn.
  int TurnSign() const;
};

struct PolygonPoint {
  PlanePoint point;
  AlignmentRecord record;  // its X-Y record as read
  int recordNumber = 0;
  CornerCurve curve;
};

// Every record of the loaded alignment file, in record order.
std::vector<AlignmentRecord> ReadAlignmentRecords(const WorkingFile& align);

// The polygon points in file order; records before the first point are passed over.
std::vector<PolygonPoint> ReadPolygon(const std::vector<AlignmentRecord>& records);

}  // namespace calvora
