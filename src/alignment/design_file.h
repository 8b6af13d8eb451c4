#pragma once
// A designed alignment file (_D.CRV, _K.CRV): records collected in order, written whole.

#include <filesystem>
#include <string>
#include <vector>

#include "alignment/plane_geometry.h"
#include "records/alignment_record.h"

namespace calvora {

// Whether a station and parameters fit an alignment record (finite, kilometres within int16,
// parameters within single precision).
bool FitsAlignmentRecord(double station, double p1, double p2, double p3);

class DesignFile {
 public:
  // Appends a record at station: whole kilometres rounded down, the metres left over rounded to
  // four decimals. The values must pass FitsAlignmentRecord.
  void WriteDesignRecord(double station, PointCode code, double p1, double p2, double p3);
  // Appends a polygon point: station 0, X, Y, 0.
  void WritePolygonPoint(PlanePoint point);
  // Appends a record as it stands.
  void WriteRecord(const AlignmentRecord& record);

  const std::vector<AlignmentRecord>& Records() const { return records_; }
  // The records as the file holds them.
  std::string Bytes() const;
  // Writes the file through a scratch file; throws FileError.
  void Save(const std::filesystem::path& path) const;

 private:
  std::vector<AlignmentRecord> records_;
};

}  // namespace calvora
