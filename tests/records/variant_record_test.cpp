#include "records/variant_record.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/record_bytes.h"

namespace calvora {
namespace {

using testing::Bytes;
using testing::FloatAt;

Bytes Encode(const VariantRecord& record) {
  Bytes bytes(VariantRecord::kLength);
  EncodeRecord(record, bytes);
  return bytes;
}

TEST(VariantRecordLayout, ScalarFieldsAndSideArrays) {
  VariantRecord r;
  r.LineCount[-1] = -3;
  r.LineCount[0] = 55;
  r.LineCount[1] = 2;
  r.Deco = 0.2F;
  r.Wall = 12.5F;
  r.FillSlope[-1] = -0.5F;
  r.FillSlope[0] = 66;
  r.FillSlope[1] = 0.75F;
  r.Limit[-1] = -20;
  r.Limit[0] = 77;
  r.Limit[1] = 25;
  r.SubG = 0.45F;
  const Bytes b = Encode(r);
  ASSERT_EQ(b.size(), 488U);
  EXPECT_EQ(FloatAt(b, 168), -3.0F);
  EXPECT_EQ(FloatAt(b, 172), 55.0F);
  EXPECT_EQ(FloatAt(b, 176), 2.0F);
  EXPECT_EQ(FloatAt(b, 180), 0.2F);
  EXPECT_EQ(FloatAt(b, 184), 12.5F);
  EXPECT_EQ(FloatAt(b, 188), -0.5F);
  EXPECT_EQ(FloatAt(b, 192), 66.0F);
  EXPECT_EQ(FloatAt(b, 196), 0.75F);
  EXPECT_EQ(FloatAt(b, 200), -20.0F);
  EXPECT_EQ(FloatAt(b, 204), 77.0F);
  EXPECT_EQ(FloatAt(b, 208), 25.0F);
  EXPECT_EQ(FloatAt(b, 484), 0.45F);
}

// Each cell holds 1000 * column + row, so a cell at a wrong place shows.
template <int Lo, int Hi>
void FillTable(SignedTable<float, Lo, Hi>& table, float base) {
  for (int c = 0; c <= 1; ++c) {
    for (int k = Lo; k <= Hi; ++k) {
      table(k, c) = base + 1000.0F * static_cast<float>(c) + static_cast<float>(k);
    }
  }
}

template <int Lo, int Hi>
void ExpectColumnByColumn(const Bytes& b, std::size_t offset, float base) {
  constexpr int rows = Hi - Lo + 1;
  for (int c = 0; c <= 1; ++c) {
    for (int k = Lo; k <= Hi; ++k) {
      const auto at = offset + 4 * static_cast<std::size_t>((k - Lo) + c * rows);
      EXPECT_EQ(FloatAt(b, at), base + 1000.0F * static_cast<float>(c) + static_cast<float>(k))
          << "cell (" << k << ", " << c << ") at " << at;
    }
  }
}

TEST(VariantRecordLayout, TablesAreStoredColumnByColumn) {
  VariantRecord r;
  FillTable(r.Point, 10000.0F);
  FillTable(r.CutTran, 20000.0F);
  FillTable(r.FillTran, 30000.0F);
  const Bytes b = Encode(r);
  ExpectColumnByColumn<-10, 10>(b, 0, 10000.0F);
  ExpectColumnByColumn<-11, 11>(b, 212, 20000.0F);
  ExpectColumnByColumn<-5, 5>(b, 396, 30000.0F);
}

TEST(VariantRecordLayout, EveryByteSurvivesDecodeAndEncode) {
  const Bytes original = testing::CountingBytes(VariantRecord::kLength);
  VariantRecord r;
  DecodeRecord(original, r);
  EXPECT_EQ(Encode(r), original);
}

TEST(VariantRecordLines, CountsRoundToNearestWithTheSideSign) {
  const struct {
    float count;
    int left;   // the count on the left
    int right;  // the count on the right
  } cases[] = {
      {-3.0F, 3, 0},  {2.4F, 0, 2},
      {2.5F, 0, 2},                     // halves to even
      {3.5F, 0, 4},   {-40.0F, 10, 0},  // never beyond the table
      {40.0F, 0, 10}, {std::numeric_limits<float>::quiet_NaN(), 0, 0},
  };
  for (const auto& c : cases) {
    VariantRecord r;
    r.LineCount[-1] = c.count;
    r.LineCount[1] = c.count;
    EXPECT_EQ(r.LinesOnSide(-1), c.left) << c.count;
    EXPECT_EQ(r.LinesOnSide(1), c.right) << c.count;
  }
}

}  // namespace
}  // namespace calvora
