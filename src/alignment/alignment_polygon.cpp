#include "alignment/alignment_polygon.h"

namespace calvora {

int CornerCurve::TurnSign() const {
  return turnCode == static_cast<std::int16_t>(PointCode::LeftTurnStart) ? -1 : 1;
}

std::vector<AlignmentRecord> ReadAlignmentRecords(const WorkingFile& align) {
  std::vector<AlignmentRecord> records;
  if (!align.File) {
    return records;
  }
  const int count = align.File->Count();
  records.reserve(static_cast<std::size_t>(count));
  for (int n = 1; n <= count; ++n) {
    records.push_back(ReadRecord<AlignmentRecord>(*align.File, n));
  }
  return records;
}

std::vector<PolygonPoint> ReadPolygon(const std::vector<AlignmentRecord>& records) {
  std::vector<PolygonPoint> polygon;
  CornerCurve collected;
  for (std::size_t n = 0; n < records.size(); ++n) {
    const AlignmentRecord& record = records[n];
    if (record.Is(PointCode::XYCoordinate)) {
      polygon.push_back({{record.Param1, record.Param2},
                         record,
                         static_cast<int>(n + 1),
                         polygon.empty() ? CornerCurve{} : collected});
      collected = {};
    } else if (record.Is(PointCode::LeftTurnStart) || record.Is(PointCode::RightTurnStart)) {
      collected.radius = record.Param1;
      collected.deflection = record.Param3;
      collected.turnCode = record.Code;
    } else if (record.Is(PointCode::FirstSpiralStart)) {
      collected.spiralParameter = record.Param1;
    }
  }
  return polygon;
}

}  // namespace calvora
