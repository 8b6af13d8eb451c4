#include "alignment/design_file.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "numbers/number_text.h"
#include "project/scratch_output.h"

namespace calvora {

namespace {

bool FitsSingle(double value) {
  return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

}  // namespace

bool FitsAlignmentRecord(double station, double p1, double p2, double p3) {
  if (!std::isfinite(station) || !FitsSingle(p1) || !FitsSingle(p2) || !FitsSingle(p3)) {
    return false;
  }
  const double kilo = std::floor(station / 1000);
  return kilo >= std::numeric_limits<std::int16_t>::min() &&
         kilo <= std::numeric_limits<std::int16_t>::max();
}

void DesignFile::WriteDesignRecord(double station, PointCode code, double p1, double p2,
                                   double p3) {
  if (!FitsAlignmentRecord(station, p1, p2, p3)) {
    throw std::logic_error("design record out of range at station " + std::to_string(station));
  }
  const double kilo = std::floor(station / 1000);
  AlignmentRecord record;
  record.Kilo = static_cast<std::int16_t>(kilo);
  record.Meter = static_cast<float>(RoundTo(station - kilo * 1000, 4));
  record.Code = static_cast<std::int16_t>(code);
  record.Param1 = static_cast<float>(p1);
  record.Param2 = static_cast<float>(p2);
  record.Param3 = static_cast<float>(p3);
  records_.push_back(record);
}

void DesignFile::WritePolygonPoint(PlanePoint point) {
  WriteDesignRecord(0, PointCode::XYCoordinate, point.x, point.y, 0);
}

void DesignFile::WriteRecord(const AlignmentRecord& record) {
  records_.push_back(record);
}

std::string DesignFile::Bytes() const {
  std::string bytes(records_.size() * AlignmentRecord::kLength, '\0');
  for (std::size_t i = 0; i < records_.size(); ++i) {
    auto* at = reinterpret_cast<std::uint8_t*>(bytes.data() + i * AlignmentRecord::kLength);
    EncodeRecord(records_[i], std::span<std::uint8_t>(at, AlignmentRecord::kLength));
  }
  return bytes;
}

void DesignFile::Save(const std::filesystem::path& path) const {
  WriteFileAtomically(path, Bytes());
}

}  // namespace calvora
