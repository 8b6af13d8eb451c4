// The byte layouts of the four record kinds: every field at its offset, little-endian.

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "records/alignment_record.h"
#include "records/project_record.h"
#include "records/section_record.h"
#include "records/variant_record.h"
#include "records/windows1252.h"
#include "support/record_bytes.h"

namespace calvora {
namespace {

using testing::Bytes;
using testing::FloatAt;
using testing::Int16At;
using testing::TextAt;

// The record's bytes over a filler of 0xEE, so a byte the encoder leaves alone shows.
template <typename Record>
Bytes Encode(const Record& record) {
  Bytes bytes(Record::kLength, 0xEE);
  EncodeRecord(record, bytes);
  return bytes;
}

// The field holds the record's bytes at `at`, read little-endian (bit for bit: counting bytes
// make floats of every kind).
void ExpectAt(const Bytes& b, std::size_t at, std::int16_t field, const char* name) {
  EXPECT_EQ(Int16At(b, at), field) << name << " at " << at;
}
void ExpectAt(const Bytes& b, std::size_t at, float field, const char* name) {
  EXPECT_EQ(std::bit_cast<std::uint32_t>(FloatAt(b, at)), std::bit_cast<std::uint32_t>(field))
      << name << " at " << at;
}
template <typename T, int Lo, int Hi>
void ExpectAt(const Bytes& b, std::size_t at, const SignedArray<T, Lo, Hi>& array,
              const char* name) {
  for (int i = Lo; i <= Hi; ++i) {
    ExpectAt(b, at + sizeof(T) * static_cast<std::size_t>(i - Lo), array[i], name);
  }
}
// Tables are stored column by column.
template <int Lo, int Hi>
void ExpectAt(const Bytes& b, std::size_t at, const SignedTable<float, Lo, Hi>& table,
              const char* name) {
  ExpectAt(b, at, table.Column(0), name);
  ExpectAt(b, at + 4 * SignedTable<float, Lo, Hi>::kRows, table.Column(1), name);
}

// Decodes counting bytes, lets `expect` hold each field against the bytes at its offset, and
// expects every byte back from encoding, the unused elements included.
template <typename Record>
void ExpectLayout(void (*expect)(const Bytes&, const Record&)) {
  const Bytes bytes = testing::CountingBytes(Record::kLength);
  Record record;
  DecodeRecord(bytes, record);
  expect(bytes, record);
  EXPECT_EQ(Encode(record), bytes);
}

TEST(RecordLayouts, FieldsLieAtTheirOffsetsAndEveryByteSurvives) {
  ExpectLayout<AlignmentRecord>([](const Bytes& b, const AlignmentRecord& r) {
    ExpectAt(b, 0, r.Kilo, "Kilo");
    ExpectAt(b, 2, r.Meter, "Meter");
    ExpectAt(b, 6, r.Code, "Code");
    ExpectAt(b, 8, r.Param1, "Param1");
    ExpectAt(b, 12, r.Param2, "Param2");
    ExpectAt(b, 16, r.Param3, "Param3");
  });
  ExpectLayout<SectionRecord>([](const Bytes& b, const SectionRecord& r) {
    ExpectAt(b, 0, r.Kilo, "Kilo");
    ExpectAt(b, 2, r.Meter, "Meter");
    ExpectAt(b, 6, r.PRElev, "PRElev");
    ExpectAt(b, 10, r.GRElev, "GRElev");
    ExpectAt(b, 14, r.PointCount, "PointCount");
    ExpectAt(b, 20, r.Var, "Var");
    ExpectAt(b, 22, r.GroundPoints, "GroundPoints");
  });
  ExpectLayout<VariantRecord>([](const Bytes& b, const VariantRecord& r) {
    ExpectAt(b, 0, r.Point, "Point");
    ExpectAt(b, 168, r.LineCount, "LineCount");
    ExpectAt(b, 180, r.Deco, "Deco");
    ExpectAt(b, 184, r.Wall, "Wall");
    ExpectAt(b, 188, r.FillSlope, "FillSlope");
    ExpectAt(b, 200, r.Limit, "Limit");
    ExpectAt(b, 212, r.CutTran, "CutTran");
    ExpectAt(b, 396, r.FillTran, "FillTran");
    ExpectAt(b, 484, r.SubG, "SubG");
  });
}

TEST(PointCodes, CodesOutsideTheTableHaveNoNameAndNoText) {
  EXPECT_EQ(PointCodeName(8), "XYCoordinate");
  EXPECT_EQ(PointCodeText(kPointCodeCount - 1), "End of second spiral");
  for (const std::int16_t code : {-1, kPointCodeCount, 0x7FFF}) {
    EXPECT_EQ(PointCodeName(code), "") << code;
    EXPECT_FALSE(PointCodeText(code).has_value()) << code;
  }
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

std::string Padded(const std::string& text, std::size_t width) {
  return text + std::string(width - text.size(), ' ');
}

// Every field set to a value of its own, so a field at a wrong offset shows.
ProjectRecord DistinctRecord() {
  ProjectRecord r;
  r.DataFile = "/roads/R1.DAT";
  r.VariantFile = "/roads/R1.VAR";
  r.AlignFile = "/roads/R1.CRV";
  r.TitleLeft = "Left";
  r.TitleCenter = "Center";
  r.TitleRight = "Right";
  r.SectionsPerSheet = 3;
  r.DrawBorder = -1;
  r.DrawDatum = 0x1234;
  r.Font = {"Arial", 12, -2, 5};
  r.Compaction = {90.5F, 91.5F, 92.5F, 93.5F, 94.5F};
  r.Thickness = {95.5F, 96.5F, 97.5F, 98.5F, 99.5F};
  r.CalcMethod = 1;
  r.DecaMethod = 11;
  r.DecaThick = 0.3F;
  r.NumLines = 64;
  r.Margin = {100.5F, 101.5F, 102.5F, 103.5F};
  r.Pen = {104.5F, 105.5F, 106.5F, 107.5F, 108.5F};
  return r;
}

TEST(ProjectRecordLayout, EveryFieldLiesAtItsOffsetLittleEndianAndRoundTrips) {
  const ProjectRecord record = DistinctRecord();
  const Bytes b = Encode(record);
  ASSERT_EQ(b.size(), 728U);
  const std::string texts[] = {"/roads/R1.DAT", "/roads/R1.VAR", "/roads/R1.CRV",
                               "Left",          "Center",        "Right"};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(TextAt(b, 100 * i, 100), Padded(texts[i], 100)) << i;
  }
  EXPECT_EQ(TextAt(b, 606, 30), Padded("Arial", 30));
  const std::pair<std::size_t, int> integers[] = {{600, 3},  {602, -1}, {604, 0x1234},
                                                  {636, 12}, {638, -2}, {640, 5},
                                                  {682, 1},  {684, 11}, {690, 64}};
  for (const auto& [offset, value] : integers) {
    EXPECT_EQ(Int16At(b, offset), value) << "at " << offset;
  }
  EXPECT_EQ((Bytes{b[604], b[605]}), (Bytes{0x34, 0x12}));
  EXPECT_EQ((Bytes{b[686], b[687], b[688], b[689]}), (Bytes{0x9A, 0x99, 0x99, 0x3E}));  // 0.3
  // Compaction, Thickness (642 ..), Margin and Pen (692 ..): 90.5, 91.5, ... in turn.
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(FloatAt(b, 642 + 4 * i), 90.5F + static_cast<float>(i)) << i;
  }
  for (std::size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(FloatAt(b, 692 + 4 * i), 100.5F + static_cast<float>(i)) << i;
  }
  // Nothing of the 0xEE filler survives: the fields cover the record without gaps.
  for (std::size_t i = 0; i < b.size(); ++i) {
    EXPECT_NE(b[i], 0xEE) << "byte " << i << " not written";
  }
  ProjectRecord decoded;
  DecodeRecord(b, decoded);
  EXPECT_EQ(decoded, record);
}

TEST(ProjectRecordLayout, DecodingTrimsBlanksOnBothSides) {
  Bytes b = Encode(DistinctRecord());
  const std::string spaced = Padded("   /x/A.DAT", 100);
  std::memcpy(b.data(), spaced.data(), 100);
  ProjectRecord decoded;
  DecodeRecord(b, decoded);
  EXPECT_EQ(decoded.DataFile, "/x/A.DAT");
}

// The one check of the new project's record: its bytes, and the fields it keeps.
TEST(ProjectRecordNew, SetsTheNewProjectFieldsAndKeepsTheOthers) {
  ProjectRecord r = DistinctRecord();
  InitialiseNewProject(r);
  const Bytes b = Encode(r);
  EXPECT_EQ(TextAt(b, 0, 600), std::string(600, ' '));
  EXPECT_EQ((Bytes{b[600], b[601], b[602], b[603]}), (Bytes{0x02, 0x00, 0xFF, 0xFF}));
  EXPECT_EQ(TextAt(b, 606, 30), Padded("Courier New", 30));
  EXPECT_EQ((Bytes{b[636], b[637]}), (Bytes{0x0A, 0x00}));
  EXPECT_EQ(Bytes(b.begin() + 638, b.begin() + 682), Bytes(44, 0));
  EXPECT_EQ(Bytes(b.begin() + 686, b.begin() + 692), (Bytes{0, 0, 0, 0, 0x40, 0x00}));
  const ProjectRecord before = DistinctRecord();
  EXPECT_EQ(
      std::tie(r.DrawDatum, r.CalcMethod, r.DecaMethod, r.Margin, r.Pen),
      std::tie(before.DrawDatum, before.CalcMethod, before.DecaMethod, before.Margin, before.Pen));
}

TEST(ProjectRecordTexts, StoredAsWindows1252) {
  ProjectRecord r;
  r.TitleLeft = "Carretera 12º – tramo €";
  const Bytes b = Encode(r);
  EXPECT_EQ(TextAt(b, 300, 23), "Carretera 12\xBA \x96 tramo \x80");
  ProjectRecord decoded;
  DecodeRecord(b, decoded);
  EXPECT_EQ(decoded.TitleLeft, r.TitleLeft);
}

TEST(ProjectRecordTexts, TooLongOrUnstorableTextsAreRefusedNotTruncated) {
  const struct {
    std::string ProjectRecord::*field;
    std::string text;
    const char* field_name;  // in the refusal; "" when the text fits
    const char* why;
  } cases[] = {
      {&ProjectRecord::DataFile, "/" + std::string(99, 'a'), "", ""},
      {&ProjectRecord::DataFile, "/" + std::string(100, 'a'), "Data file", "longer than 100"},
      // 100 characters, 101 UTF-8 bytes
      {&ProjectRecord::AlignFile, std::string(99, 'a') + "é", "", ""},
      {&ProjectRecord::AlignFile, "/home/åsa/道路.CRV", "Alignment file", "cannot be stored"},
  };
  for (const auto& c : cases) {
    ProjectRecord r;
    r.*c.field = c.text;
    std::string refusal;
    try {
      Encode(r);
    } catch (const EncodingError& error) {
      refusal = error.what();
    }
    EXPECT_EQ(refusal.empty(), *c.why == '\0') << c.text << ": " << refusal;
    EXPECT_NE(refusal.find(c.field_name), std::string::npos) << refusal;
    EXPECT_NE(refusal.find(c.why), std::string::npos) << refusal;
  }
  ProjectRecord r;
  r.Font.Name = std::string(31, 'F');
  EXPECT_THROW(Encode(r), EncodingError);
}

}  // namespace
}  // namespace calvora
