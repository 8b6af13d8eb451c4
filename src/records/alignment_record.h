#pragma once
// One stationed control point of the alignment file (.CRV), 20 bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace calvora {

enum class PointCode : std::int16_t {
  NoCode = 0,
  ElevationPoint = 1,
  LeftTurnStart = 2,
  RightTurnStart = 3,
  VerticalCurveMid = 4,
  HorizontalCurveEnd = 5,
  SpecialBuilding = 6,
  BenchMark = 7,
  XYCoordinate = 8,
  FirstSpiralStart = 9,
  SecondSpiralEnd = 10,
};

inline constexpr int kPointCodeCount = 11;

// The code list text of the alignment editor ("" for NoCode); nullopt outside 0..10.
std::optional<std::string_view> PointCodeText(std::int16_t code);
// The program's own name of a code ("XYCoordinate"), "" outside 0..10.
std::string_view PointCodeName(std::int16_t code);

struct AlignmentRecord {
  static constexpr std::size_t kLength = 20;

  std::int16_t Kilo = 0;
  float Meter = 0;
  std::int16_t Code = 0;
  float Param1 = 0;
  float Param2 = 0;
  float Param3 = 0;

  double Station() const { return static_cast<double>(Kilo) * 1000.0 + static_cast<double>(Meter); }
  bool Is(PointCode code) const { return Code == static_cast<std::int16_t>(code); }

  bool operator==(const AlignmentRecord&) const = default;
};

void EncodeRecord(const AlignmentRecord& record, std::span<std::uint8_t> bytes);
void DecodeRecord(std::span<const std::uint8_t> bytes, AlignmentRecord& record);

}  // namespace calvora
