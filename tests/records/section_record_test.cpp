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

TEST(SectionRecordLayout, FieldsLieAtTheirOffsetsAndGroundPointsColumnByColumn) {
  SectionRecord r;
  r.Kilo = 12;
  r.Meter = 345.5F;
  r.PRElev = 101.25F;
  r.GRElev = 99.75F;
  r.PointCount[-1] = -3;
  r.PointCount[1] = 2;
  r.Var = 4;
  for (int i = -10; i <= 10; ++i) {
    r.GroundPoints(i, 0) = static_cast<float>(i) * 10.0F;
    r.GroundPoints(i, 1) = 500.0F + static_cast<float>(i);
  }
  const Bytes b = Encode(r);
  ASSERT_EQ(b.size(), 190U);
  EXPECT_EQ(Int16At(b, 0), 12);
  EXPECT_EQ(FloatAt(b, 2), 345.5F);
  EXPECT_EQ(FloatAt(b, 6), 101.25F);
  EXPECT_EQ(FloatAt(b, 10), 99.75F);
  EXPECT_EQ((Bytes{b[14], b[15], b[18], b[19]}), (Bytes{0xFD, 0xFF, 0x02, 0x00}));
  EXPECT_EQ(Int16At(b, 20), 4);
  // Offsets from -10 to 10 from byte 22, then their elevations up to the record's last byte.
  for (int i = -10; i <= 10; ++i) {
    const auto at = static_cast<std::size_t>(22 + 4 * (i + 10));
    EXPECT_EQ(FloatAt(b, at), r.GroundPoints(i, 0)) << i;
    EXPECT_EQ(FloatAt(b, at + 84), r.GroundPoints(i, 1)) << i;
  }
  EXPECT_DOUBLE_EQ(r.Station(), 12345.5);
  EXPECT_EQ(r.PointsOnSide(-1), 3);
  EXPECT_EQ(r.PointsOnSide(1), 2);
}

// The unused element 0 between the counts included.
TEST(SectionRecordLayout, EveryByteSurvivesDecodeAndEncode) {
  const Bytes original = testing::CountingBytes(SectionRecord::kLength);
  SectionRecord r;
  DecodeRecord(original, r);
  EXPECT_EQ(Encode(r), original);
}

}  // namespace
}  // namespace calvora
