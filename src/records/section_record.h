#pragma once
// One surveyed cross-section of the survey data file (.DAT), 190 bytes.

#include <cstddef>
#include <cstdint>
#include <span>

#include "records/signed_array.h"

namespace calvora {

struct SectionRecord {
  static constexpr std::size_t kLength = 190;
  static constexpr int kMaxPointsPerSide = 9;  // what the editor allows and the file keeps

  std::int16_t Kilo = 0;
  float Meter = 0;
  float PRElev = 0;
  float GRElev = 0;
  SignedArray<std::int16_t, -1, 1> PointCount;  // [-1] stored negated, [0] unused
  std::int16_t Var = 0;
  SignedTable<float, -10, 10> GroundPoints;  // (i, 0) offset, (i, 1) elevation

  double Station() const { return static_cast<double>(Kilo) * 1000.0 + static_cast<double>(Meter); }
  // Number of ground points on a side (-1 or 1), as a non-negative count.
  int PointsOnSide(int side) const;

  bool operator==(const SectionRecord&) const = default;
};

void EncodeRecord(const SectionRecord& record, std::span<std::uint8_t> bytes);
void DecodeRecord(std::span<const std::uint8_t> bytes, SectionRecord& record);

}  // namespace calvora
