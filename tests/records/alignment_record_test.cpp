#include "records/alignment_record.h"

#include <gtest/gtest.h>

#include "support/record_bytes.h"

namespace calvora {
namespace {

using testing::Bytes;
using testing::FloatAt;
using testing::Int16At;

TEST(AlignmentRecordLayout, FieldsLieAtTheirOffsets) {
  AlignmentRecord r;
  r.Kilo = -1;
  r.Meter = 20.5F;
  r.Code = static_cast<std::int16_t>(PointCode::RightTurnStart);
  r.Param1 = 250.0F;
  r.Param2 = 80.0F;
  r.Param3 = 0.125F;
  Bytes b(AlignmentRecord::kLength);
  EncodeRecord(r, b);
  EXPECT_EQ((Bytes{b[0], b[1]}), (Bytes{0xFF, 0xFF}));
  EXPECT_EQ(FloatAt(b, 2), 20.5F);
  EXPECT_EQ((Bytes{b[6], b[7]}), (Bytes{0x03, 0x00}));
  EXPECT_EQ(FloatAt(b, 8), 250.0F);
  EXPECT_EQ(FloatAt(b, 12), 80.0F);
  EXPECT_EQ(FloatAt(b, 16), 0.125F);
  EXPECT_TRUE(r.Is(PointCode::RightTurnStart));
  EXPECT_DOUBLE_EQ(r.Station(), -979.5);
}

TEST(AlignmentRecordLayout, EveryByteSurvivesDecodeAndEncode) {
  const Bytes original = testing::CountingBytes(AlignmentRecord::kLength);
  AlignmentRecord r;
  DecodeRecord(original, r);
  EXPECT_EQ(r.Kilo, Int16At(original, 0));
  EXPECT_EQ(r.Code, Int16At(original, 6));
  Bytes again(AlignmentRecord::kLength);
  EncodeRecord(r, again);
  EXPECT_EQ(again, original);
}

TEST(PointCodes, NamesAndEditorTexts) {
  const struct {
    PointCode code;
    const char* name;
    const char* text;
  } expected[] = {
      {PointCode::NoCode, "NoCode", ""},
      {PointCode::ElevationPoint, "ElevationPoint", "Simple Elevation point"},
      {PointCode::LeftTurnStart, "LeftTurnStart", "Start of left-turn"},
      {PointCode::RightTurnStart, "RightTurnStart", "Start of right-turn"},
      {PointCode::VerticalCurveMid, "VerticalCurveMid", "mid point of vertical curve"},
      {PointCode::HorizontalCurveEnd, "HorizontalCurveEnd", "End of horizontal curve"},
      {PointCode::SpecialBuilding, "SpecialBuilding", "Special building"},
      {PointCode::BenchMark, "BenchMark", "Bench mark"},
      {PointCode::XYCoordinate, "XYCoordinate", "Simple X-Y coordinate"},
      {PointCode::FirstSpiralStart, "FirstSpiralStart", "Start of first spiral"},
      {PointCode::SecondSpiralEnd, "SecondSpiralEnd", "End of second spiral"},
  };
  ASSERT_EQ(std::size(expected), static_cast<std::size_t>(kPointCodeCount));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const auto code = static_cast<std::int16_t>(expected[i].code);
    EXPECT_EQ(code, static_cast<std::int16_t>(i));
    EXPECT_EQ(PointCodeName(code), expected[i].name);
    EXPECT_EQ(PointCodeText(code), expected[i].text);
  }
  EXPECT_EQ(PointCodeName(11), "");
  EXPECT_EQ(PointCodeName(-1), "");
  EXPECT_FALSE(PointCodeText(11).has_value());
  EXPECT_FALSE(PointCodeText(-1).has_value());
}

}  // namespace
}  // namespace calvora
