#include "records/alignment_record.h"

#include <array>

#include "records/byte_codec.h"

namespace calvora {

namespace {

constexpr std::array<std::string_view, kPointCodeCount> kTexts = {
    "",
    "Simple Elevation point",
    "Start of left-turn",
    "Start of right-turn",
    "mid point of vertical curve",
    "End of horizontal curve",
    "Special building",
    "Bench mark",
    "Simple X-Y coordinate",
    "Start of first spiral",
    "End of second spiral",
};

constexpr std::array<std::string_view, kPointCodeCount> kNames = {
    "NoCode",           "ElevationPoint",     "LeftTurnStart",   "RightTurnStart",
    "VerticalCurveMid", "HorizontalCurveEnd", "SpecialBuilding", "BenchMark",
    "XYCoordinate",     "FirstSpiralStart",   "SecondSpiralEnd",
};

}  // namespace

std::optional<std::string_view> PointCodeText(std::int16_t code) {
  if (code < 0 || code >= kPointCodeCount) {
    return std::nullopt;
  }
  return kTexts[static_cast<std::size_t>(code)];
}

std::string_view PointCodeName(std::int16_t code) {
  if (code < 0 || code >= kPointCodeCount) {
    return {};
  }
  return kNames[static_cast<std::size_t>(code)];
}

void EncodeRecord(const AlignmentRecord& r, std::span<std::uint8_t> bytes) {
  ByteWriter w(bytes);
  w.Int16(0, r.Kilo);
  w.Float32(2, r.Meter);
  w.Int16(6, r.Code);
  w.Float32(8, r.Param1);
  w.Float32(12, r.Param2);
  w.Float32(16, r.Param3);
}

void DecodeRecord(std::span<const std::uint8_t> bytes, AlignmentRecord& r) {
  ByteReader rd(bytes);
  r.Kilo = rd.Int16(0);
  r.Meter = rd.Float32(2);
  r.Code = rd.Int16(6);
  r.Param1 = rd.Float32(8);
  r.Param2 = rd.Float32(12);
  r.Param3 = rd.Float32(16);
}

}  // namespace calvora
