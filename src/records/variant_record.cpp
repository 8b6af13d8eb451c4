#include "records/variant_record.h"

#include <cmath>

#include "records/byte_codec.h"

namespace calvora {

namespace {

constexpr std::size_t kPoint = 0;
constexpr std::size_t kLineCount = 168;
constexpr std::size_t kDeco = 180;
constexpr std::size_t kWall = 184;
constexpr std::size_t kFillSlope = 188;
constexpr std::size_t kLimit = 200;
constexpr std::size_t kCutTran = 212;
constexpr std::size_t kFillTran = 396;
constexpr std::size_t kSubG = 484;

void WriteSides(ByteWriter& w, std::size_t base, const SignedArray<float, -1, 1>& a) {
  for (int s = -1; s <= 1; ++s) {
    w.Float32(base + 4 * static_cast<std::size_t>(s + 1), a[s]);
  }
}

void ReadSides(const ByteReader& rd, std::size_t base, SignedArray<float, -1, 1>& a) {
  for (int s = -1; s <= 1; ++s) {
    a[s] = rd.Float32(base + 4 * static_cast<std::size_t>(s + 1));
  }
}

}  // namespace

int VariantRecord::LinesOnSide(int side) const {
  const float stored = LineCount[side];
  if (!std::isfinite(stored)) {
    return 0;
  }
  const double rounded = std::nearbyint(static_cast<double>(stored));
  const double signedCount = side < 0 ? -rounded : rounded;
  if (signedCount <= 0) {
    return 0;
  }
  return signedCount > 10 ? 10 : static_cast<int>(signedCount);
}

void EncodeRecord(const VariantRecord& r, std::span<std::uint8_t> bytes) {
  ByteWriter w(bytes);
  WriteTable(w, kPoint, r.Point);
  WriteSides(w, kLineCount, r.LineCount);
  w.Float32(kDeco, r.Deco);
  w.Float32(kWall, r.Wall);
  WriteSides(w, kFillSlope, r.FillSlope);
  WriteSides(w, kLimit, r.Limit);
  WriteTable(w, kCutTran, r.CutTran);
  WriteTable(w, kFillTran, r.FillTran);
  w.Float32(kSubG, r.SubG);
}

void DecodeRecord(std::span<const std::uint8_t> bytes, VariantRecord& r) {
  ByteReader rd(bytes);
  ReadTable(rd, kPoint, r.Point);
  ReadSides(rd, kLineCount, r.LineCount);
  r.Deco = rd.Float32(kDeco);
  r.Wall = rd.Float32(kWall);
  ReadSides(rd, kFillSlope, r.FillSlope);
  ReadSides(rd, kLimit, r.Limit);
  ReadTable(rd, kCutTran, r.CutTran);
  ReadTable(rd, kFillTran, r.FillTran);
  r.SubG = rd.Float32(kSubG);
}

}  // namespace calvora
