#include "records/project_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "records/windows1252.h"
#include "support/record_bytes.h"

namespace calvora {
namespace {

using testing::Bytes;
using testing::FloatAt;
using testing::Int16At;
using testing::TextAt;

Bytes Encode(const ProjectRecord& record) {
  Bytes bytes(ProjectRecord::kLength, 0xEE);
  EncodeRecord(record, bytes);
  return bytes;
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
  r.DrawDatum = 7;
  r.Font = {"Arial", 12, -1, 5};
  r.Compaction = {90.5F, 91.5F, 92.5F, 93.5F, 94.5F};
  r.Thickness = {0.25F, 0.5F, 0.75F, 1.25F, 1.5F};
  r.CalcMethod = 1;
  r.DecaMethod = 11;
  r.DecaThick = 0.3F;
  r.NumLines = 64;
  r.Margin = {1.5F, 2.5F, 3.5F, 4.5F};
  r.Pen = {0.1F, 0.2F, 0.3F, 0.4F, 0.5F};
  return r;
}

TEST(ProjectRecordLayout, EveryFieldLiesAtItsOffset) {
  const Bytes b = Encode(DistinctRecord());
  ASSERT_EQ(b.size(), 728U);
  EXPECT_EQ(TextAt(b, 0, 100), Padded("/roads/R1.DAT", 100));
  EXPECT_EQ(TextAt(b, 100, 100), Padded("/roads/R1.VAR", 100));
  EXPECT_EQ(TextAt(b, 200, 100), Padded("/roads/R1.CRV", 100));
  EXPECT_EQ(TextAt(b, 300, 100), Padded("Left", 100));
  EXPECT_EQ(TextAt(b, 400, 100), Padded("Center", 100));
  EXPECT_EQ(TextAt(b, 500, 100), Padded("Right", 100));
  EXPECT_EQ(Int16At(b, 600), 3);
  EXPECT_EQ(Int16At(b, 602), -1);
  EXPECT_EQ(Int16At(b, 604), 7);
  EXPECT_EQ(TextAt(b, 606, 30), Padded("Arial", 30));
  EXPECT_EQ(Int16At(b, 636), 12);
  EXPECT_EQ(Int16At(b, 638), -1);
  EXPECT_EQ(Int16At(b, 640), 5);
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(FloatAt(b, 642 + 4 * i), 90.5F + static_cast<float>(i)) << "Compaction " << i;
  }
  const float thickness[] = {0.25F, 0.5F, 0.75F, 1.25F, 1.5F};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(FloatAt(b, 662 + 4 * i), thickness[i]) << "Thickness " << i;
  }
  EXPECT_EQ(Int16At(b, 682), 1);
  EXPECT_EQ(Int16At(b, 684), 11);
  EXPECT_EQ(FloatAt(b, 686), 0.3F);
  EXPECT_EQ(Int16At(b, 690), 64);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(FloatAt(b, 692 + 4 * i), 1.5F + static_cast<float>(i)) << "Margin " << i;
  }
  const float pens[] = {0.1F, 0.2F, 0.3F, 0.4F, 0.5F};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(FloatAt(b, 708 + 4 * i), pens[i]) << "Pen " << i;
  }
  // Nothing of the 0xEE filler survives: the fields cover the record without gaps.
  for (std::size_t i = 0; i < b.size(); ++i) {
    EXPECT_NE(b[i], 0xEE) << "byte " << i << " not written";
  }
}

TEST(ProjectRecordLayout, LittleEndianBytesOfNegativeAndLargeValues) {
  ProjectRecord r;
  r.SectionsPerSheet = -2;
  r.NumLines = 0x1234;
  r.DecaThick = 1.0F;
  const Bytes b = Encode(r);
  EXPECT_EQ(b[600], 0xFE);
  EXPECT_EQ(b[601], 0xFF);
  EXPECT_EQ(b[690], 0x34);
  EXPECT_EQ(b[691], 0x12);
  EXPECT_EQ((Bytes{b[686], b[687], b[688], b[689]}), (Bytes{0x00, 0x00, 0x80, 0x3F}));
}

TEST(ProjectRecordLayout, DecodingTrimsBlanksOnBothSidesAndRoundTrips) {
  const ProjectRecord original = DistinctRecord();
  Bytes b = Encode(original);
  ProjectRecord decoded;
  DecodeRecord(b, decoded);
  EXPECT_EQ(decoded, original);

  const std::string spaced = Padded("   /x/A.DAT", 100);
  std::memcpy(b.data(), spaced.data(), 100);
  DecodeRecord(b, decoded);
  EXPECT_EQ(decoded.DataFile, "/x/A.DAT");
}

TEST(ProjectRecordNew, SetsTheNewProjectFieldsAndKeepsTheOthers) {
  ProjectRecord r = DistinctRecord();
  InitialiseNewProject(r);
  EXPECT_EQ(r.DataFile, "");
  EXPECT_EQ(r.VariantFile, "");
  EXPECT_EQ(r.AlignFile, "");
  EXPECT_EQ(r.TitleLeft, "");
  EXPECT_EQ(r.TitleCenter, "");
  EXPECT_EQ(r.TitleRight, "");
  EXPECT_EQ(r.SectionsPerSheet, 2);
  EXPECT_EQ(r.DrawBorder, -1);
  EXPECT_EQ(r.Font, (ProjectFont{"Courier New", 10, 0, 0}));
  EXPECT_EQ(r.Compaction, (std::array<float, 5>{}));
  EXPECT_EQ(r.Thickness, (std::array<float, 5>{}));
  EXPECT_EQ(r.DecaThick, 0.0F);
  EXPECT_EQ(r.NumLines, 64);
  // Unchanged: what the record held before.
  const ProjectRecord before = DistinctRecord();
  EXPECT_EQ(r.DrawDatum, before.DrawDatum);
  EXPECT_EQ(r.CalcMethod, before.CalcMethod);
  EXPECT_EQ(r.DecaMethod, before.DecaMethod);
  EXPECT_EQ(r.Margin, before.Margin);
  EXPECT_EQ(r.Pen, before.Pen);
}

TEST(ProjectRecordNew, FreshRecordGivesTheDocumentedBytes) {
  ProjectRecord r;
  InitialiseNewProject(r);
  const Bytes b = Encode(r);
  for (std::size_t i = 0; i < 600; ++i) {
    ASSERT_EQ(b[i], ' ') << "byte " << i;
  }
  EXPECT_EQ((Bytes{b[600], b[601], b[602], b[603], b[604], b[605]}),
            (Bytes{0x02, 0x00, 0xFF, 0xFF, 0x00, 0x00}));
  EXPECT_EQ(TextAt(b, 606, 30), "Courier New" + std::string(19, ' '));
  EXPECT_EQ((Bytes{b[636], b[637], b[638], b[639], b[640], b[641]}),
            (Bytes{0x0A, 0x00, 0x00, 0x00, 0x00, 0x00}));
  for (std::size_t i = 642; i < 690; ++i) {
    ASSERT_EQ(b[i], 0) << "byte " << i;
  }
  EXPECT_EQ((Bytes{b[690], b[691]}), (Bytes{0x40, 0x00}));
  for (std::size_t i = 692; i < 728; ++i) {
    ASSERT_EQ(b[i], 0) << "byte " << i;
  }
}

TEST(ProjectRecordTexts, StoredAsWindows1252) {
  ProjectRecord r;
  r.TitleLeft = "Carretera 12º – tramo €";
  const Bytes b = Encode(r);
  const auto expected = ToWindows1252(r.TitleLeft);
  ASSERT_TRUE(expected);
  EXPECT_EQ(TextAt(b, 300, expected->size()), *expected);
  EXPECT_EQ(b[300 + 12], 0xBA);  // º
  EXPECT_EQ(b[300 + 14], 0x96);  // en dash
  ProjectRecord decoded;
  DecodeRecord(b, decoded);
  EXPECT_EQ(decoded.TitleLeft, r.TitleLeft);
}

TEST(ProjectRecordTexts, TooLongOrUnstorableTextsAreRefusedNotTruncated) {
  ProjectRecord r;
  r.DataFile = "/" + std::string(99, 'a');  // exactly 100: fits
  EXPECT_NO_THROW(Encode(r));
  r.DataFile = "/" + std::string(100, 'a');
  try {
    Encode(r);
    FAIL() << "a 101-character path was accepted";
  } catch (const EncodingError& error) {
    EXPECT_NE(std::string(error.what()).find("Data file"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("longer than 100"), std::string::npos);
  }
  r.DataFile.clear();
  r.AlignFile = std::string(99, 'a') + "é";  // 100 characters, 101 UTF-8 bytes: fits
  EXPECT_NO_THROW(Encode(r));
  r.AlignFile = "/home/åsa/道路.CRV";
  try {
    Encode(r);
    FAIL() << "a path outside the code page was accepted";
  } catch (const EncodingError& error) {
    EXPECT_NE(std::string(error.what()).find("Alignment file"), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("cannot be stored"), std::string::npos);
  }
  r.AlignFile.clear();
  r.Font.Name = std::string(31, 'F');
  EXPECT_THROW(Encode(r), EncodingError);
}

}  // namespace
}  // namespace calvora
