#include "records/section_record.h"

#include <gtest/gtest.h>

#include "support/record_bytes.h"

namespace calvora {
namespace {

using testing::Bytes;
using testing::FloatAt;
using testing::Int16At;

Bytes Encode(const SectionRecord& record) {
  Bytes bytes(SectionRecord::kLength);
  EncodeRecord(record, bytes);
  return bytes;
}

TEST(SectionRecordLayout, FieldsLieAtTheirOffsets) {
  SectionRecord r;
  r.Kilo = 12;
  r.Meter = 345.5F;
  r.PRElev = 101.25F;
  r.GRElev = 99.75F;
  r.PointCount[-1] = -3;
  r.PointCount[0] = 0x0707;
  r.PointCount[1] = 2;
  r.Var = 4;
  const Bytes b = Encode(r);
  ASSERT_EQ(b.size(), 190U);
  EXPECT_EQ(Int16At(b, 0), 12);
  EXPECT_EQ(FloatAt(b, 2), 345.5F);
  EXPECT_EQ(FloatAt(b, 6), 101.25F);
  EXPECT_EQ(FloatAt(b, 10), 99.75F);
  EXPECT_EQ(Int16At(b, 20), 4);
  EXPECT_DOUBLE_EQ(r.Station(), 12345.5);
}

TEST(SectionRecordLayout, ThreeLeftAndTwoRightPoints) {
  SectionRecord r;
  r.PointCount[-1] = -3;
  r.PointCount[1] = 2;
  r.GroundPoints(-1, 0) = -2.5F;
  r.GroundPoints(-2, 0) = -5.0F;
  r.GroundPoints(-3, 0) = -7.5F;
  r.GroundPoints(1, 0) = 3.0F;
  r.GroundPoints(2, 0) = 6.0F;
  r.GroundPoints(-3, 1) = 98.0F;
  r.GroundPoints(2, 1) = 97.0F;
  Bytes b = Encode(r);
  EXPECT_EQ((Bytes{b[14], b[15]}), (Bytes{0xFD, 0xFF}));
  EXPECT_EQ((Bytes{b[18], b[19]}), (Bytes{0x02, 0x00}));
  EXPECT_EQ(FloatAt(b, 22 + 4 * 9), -2.5F);
  EXPECT_EQ(FloatAt(b, 22 + 4 * 8), -5.0F);
  EXPECT_EQ(FloatAt(b, 22 + 4 * 7), -7.5F);
  EXPECT_EQ(FloatAt(b, 22 + 4 * 11), 3.0F);
  EXPECT_EQ(FloatAt(b, 22 + 4 * 12), 6.0F);
  EXPECT_EQ(FloatAt(b, 22 + 4 * (7 + 21)), 98.0F);
  EXPECT_EQ(FloatAt(b, 22 + 4 * (12 + 21)), 97.0F);
  EXPECT_EQ(r.PointsOnSide(-1), 3);
  EXPECT_EQ(r.PointsOnSide(1), 2);

  // The unused element 0 between the counts keeps what the file held.
  b[16] = 0x5A;
  b[17] = 0xA5;
  SectionRecord decoded;
  DecodeRecord(b, decoded);
  EXPECT_EQ(decoded.PointCount[-1], -3);
  EXPECT_EQ(Encode(decoded), b);
}

TEST(SectionRecordLayout, GroundPointsAreStoredColumnByColumn) {
  SectionRecord r;
  for (int i = -10; i <= 10; ++i) {
    r.GroundPoints(i, 0) = static_cast<float>(i) * 10.0F;
    r.GroundPoints(i, 1) = 500.0F + static_cast<float>(i);
  }
  const Bytes b = Encode(r);
  EXPECT_EQ(FloatAt(b, 22), -100.0F);  // (-10, 0)
  EXPECT_EQ(FloatAt(b, 62), 0.0F);     // (0, 0)
  EXPECT_EQ(FloatAt(b, 102), 100.0F);  // (10, 0): last distance, offsets up to 105
  EXPECT_EQ(FloatAt(b, 106), 490.0F);  // (-10, 1): first elevation
  EXPECT_EQ(FloatAt(b, 186), 510.0F);  // (10, 1): last 4 bytes of the record
  for (int i = -10; i <= 10; ++i) {
    const auto at = static_cast<std::size_t>(22 + 4 * (i + 10));
    EXPECT_EQ(FloatAt(b, at), r.GroundPoints(i, 0)) << i;
    EXPECT_EQ(FloatAt(b, at + 84), r.GroundPoints(i, 1)) << i;
  }
}

TEST(SectionRecordLayout, EveryByteSurvivesDecodeAndEncode) {
  const Bytes original = testing::CountingBytes(SectionRecord::kLength);
  SectionRecord r;
  DecodeRecord(original, r);
  EXPECT_EQ(Encode(r), original);
}

}  // namespace
}  // namespace calvora
