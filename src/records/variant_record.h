#pragma once
// One typical cross-section (variant) of the typical cross-section file (.VAR), 488 bytes.

#include <cstddef>
#include <cstdint>
#include <span>

#include "records/signed_array.h"

namespace calvora {

struct VariantRecord {
  static constexpr std::size_t kLength = 488;

  SignedTable<float, -10, 10> Point;    // template vertices: (k, 0) offset, (k, 1) height
  SignedArray<float, -1, 1> LineCount;  // [-1] stored negative, [0] unused
  float Deco = 0;                       // topsoil stripping depth
  float Wall = 0;                       // distance to wall
  SignedArray<float, -1, 1> FillSlope;  // [0] unused
  SignedArray<float, -1, 1> Limit;      // [0] unused; 0 = no limit
  SignedTable<float, -11, 11> CutTran;  // ditch in cut, relative to the template end
  SignedTable<float, -5, 5> FillTran;   // ditch in fill
  float SubG = 0;                       // subgrade to project

  // Template lines on a side (-1 or 1): LineCount rounded to the nearest integer, with its sign;
  // a left count that is not negative (or a right one that is not positive) gives 0 lines.
  int LinesOnSide(int side) const;

  bool operator==(const VariantRecord&) const = default;
};

void EncodeRecord(const VariantRecord& record, std::span<std::uint8_t> bytes);
void DecodeRecord(std::span<const std::uint8_t> bytes, VariantRecord& record);

}  // namespace calvora
