#include "records/section_record.h"

#include <cstdlib>

#include "records/byte_codec.h"

namespace calvora {

namespace {

constexpr std::size_t kKilo = 0;
constexpr std::size_t kMeter = 2;
constexpr std::size_t kPRElev = 6;
constexpr std::size_t kGRElev = 10;
constexpr std::size_t kPointCount = 14;
constexpr std::size_t kVar = 20;
constexpr std::size_t kGroundPoints = 22;

}  // namespace

int SectionRecord::PointsOnSide(int side) const {
  return std::abs(static_cast<int>(PointCount[side]));
}

void EncodeRecord(const SectionRecord& r, std::span<std::uint8_t> bytes) {
  ByteWriter w(bytes);
  w.Int16(kKilo, r.Kilo);
  w.Float32(kMeter, r.Meter);
  w.Float32(kPRElev, r.PRElev);
  w.Float32(kGRElev, r.GRElev);
  for (int s = -1; s <= 1; ++s) {
    w.Int16(kPointCount + 2 * static_cast<std::size_t>(s + 1), r.PointCount[s]);
  }
  w.Int16(kVar, r.Var);
  WriteTable(w, kGroundPoints, r.GroundPoints);
}

void DecodeRecord(std::span<const std::uint8_t> bytes, SectionRecord& r) {
  ByteReader rd(bytes);
  r.Kilo = rd.Int16(kKilo);
  r.Meter = rd.Float32(kMeter);
  r.PRElev = rd.Float32(kPRElev);
  r.GRElev = rd.Float32(kGRElev);
  for (int s = -1; s <= 1; ++s) {
    r.PointCount[s] = rd.Int16(kPointCount + 2 * static_cast<std::size_t>(s + 1));
  }
  r.Var = rd.Int16(kVar);
  ReadTable(rd, kGroundPoints, r.GroundPoints);
}

}  // namespace calvora
