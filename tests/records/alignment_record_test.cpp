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

TEST(PointCodes, CodesOutsideTheTableHaveNoNameAndNoText) {
  EXPECT_EQ(PointCodeName(8), "XYCoordinate");
  EXPECT_EQ(PointCodeText(kPointCodeCount - 1), "End of second spiral");
  for (const std::int16_t code : {-1, kPointCodeCount, 0x7FFF}) {
    EXPECT_EQ(PointCodeName(code), "") << code;
    EXPECT_FALSE(PointCodeText(code).has_value()) << code;
  }
}

}  // namespace
}  // namespace calvora
