#include "records/project_record.h"

#include "records/byte_codec.h"

namespace calvora {

namespace {

constexpr std::size_t kDataFile = 0;
constexpr std::size_t kVariantFile = 100;
constexpr std::size_t kAlignFile = 200;
constexpr std::size_t kTitleLeft = 300;
constexpr std::size_t kTitleCenter = 400;
constexpr std::size_t kTitleRight = 500;
constexpr std::size_t kSectionsPerSheet = 600;
constexpr std::size_t kDrawBorder = 602;
constexpr std::size_t kDrawDatum = 604;
constexpr std::size_t kFontName = 606;
constexpr std::size_t kFontSize = 636;
constexpr std::size_t kFontBold = 638;
constexpr std::size_t kFontItalic = 640;
constexpr std::size_t kCompaction = 642;
constexpr std::size_t kThickness = 662;
constexpr std::size_t kCalcMethod = 682;
constexpr std::size_t kDecaMethod = 684;
constexpr std::size_t kDecaThick = 686;
constexpr std::size_t kNumLines = 690;
constexpr std::size_t kMargin = 692;
constexpr std::size_t kPen = 708;

}  // namespace

void EncodeRecord(const ProjectRecord& r, std::span<std::uint8_t> bytes) {
  ByteWriter w(bytes);
  constexpr auto path = ProjectRecord::kPathWidth;
  w.String(kDataFile, path, r.DataFile, "Data file");
  w.String(kVariantFile, path, r.VariantFile, "Variant file");
  w.String(kAlignFile, path, r.AlignFile, "Alignment file");
  w.String(kTitleLeft, path, r.TitleLeft, "Left title");
  w.String(kTitleCenter, path, r.TitleCenter, "Center title");
  w.String(kTitleRight, path, r.TitleRight, "Right title");
  w.Int16(kSectionsPerSheet, r.SectionsPerSheet);
  w.Int16(kDrawBorder, r.DrawBorder);
  w.Int16(kDrawDatum, r.DrawDatum);
  w.String(kFontName, ProjectRecord::kFontNameWidth, r.Font.Name, "Font name");
  w.Int16(kFontSize, r.Font.Size);
  w.Int16(kFontBold, r.Font.Bold);
  w.Int16(kFontItalic, r.Font.Italic);
  for (std::size_t i = 0; i < r.Compaction.size(); ++i) {
    w.Float32(kCompaction + 4 * i, r.Compaction[i]);
    w.Float32(kThickness + 4 * i, r.Thickness[i]);
  }
  w.Int16(kCalcMethod, r.CalcMethod);
  w.Int16(kDecaMethod, r.DecaMethod);
  w.Float32(kDecaThick, r.DecaThick);
  w.Int16(kNumLines, r.NumLines);
  for (std::size_t i = 0; i < r.Margin.size(); ++i) {
    w.Float32(kMargin + 4 * i, r.Margin[i]);
  }
  for (std::size_t i = 0; i < r.Pen.size(); ++i) {
    w.Float32(kPen + 4 * i, r.Pen[i]);
  }
}

void DecodeRecord(std::span<const std::uint8_t> bytes, ProjectRecord& r) {
  ByteReader rd(bytes);
  constexpr auto path = ProjectRecord::kPathWidth;
  r.DataFile = rd.String(kDataFile, path);
  r.VariantFile = rd.String(kVariantFile, path);
  r.AlignFile = rd.String(kAlignFile, path);
  r.TitleLeft = rd.String(kTitleLeft, path);
  r.TitleCenter = rd.String(kTitleCenter, path);
  r.TitleRight = rd.String(kTitleRight, path);
  r.SectionsPerSheet = rd.Int16(kSectionsPerSheet);
  r.DrawBorder = rd.Int16(kDrawBorder);
  r.DrawDatum = rd.Int16(kDrawDatum);
  r.Font.Name = rd.String(kFontName, ProjectRecord::kFontNameWidth);
  r.Font.Size = rd.Int16(kFontSize);
  r.Font.Bold = rd.Int16(kFontBold);
  r.Font.Italic = rd.Int16(kFontItalic);
  for (std::size_t i = 0; i < r.Compaction.size(); ++i) {
    r.Compaction[i] = rd.Float32(kCompaction + 4 * i);
    r.Thickness[i] = rd.Float32(kThickness + 4 * i);
  }
  r.CalcMethod = rd.Int16(kCalcMethod);
  r.DecaMethod = rd.Int16(kDecaMethod);
  r.DecaThick = rd.Float32(kDecaThick);
  r.NumLines = rd.Int16(kNumLines);
  for (std::size_t i = 0; i < r.Margin.size(); ++i) {
    r.Margin[i] = rd.Float32(kMargin + 4 * i);
  }
  for (std::size_t i = 0; i < r.Pen.size(); ++i) {
    r.Pen[i] = rd.Float32(kPen + 4 * i);
  }
}

void InitialiseNewProject(ProjectRecord& r) {
  r.DataFile.clear();
  r.VariantFile.clear();
  r.AlignFile.clear();
  r.TitleLeft.clear();
  r.TitleCenter.clear();
  r.TitleRight.clear();
  r.SectionsPerSheet = 2;
  r.DrawBorder = -1;
  r.Font.Name = "Courier New";
  r.Font.Size = 10;
  r.Font.Bold = 0;
  r.Font.Italic = 0;
  r.Compaction.fill(0.0F);
  r.Thickness.fill(0.0F);
  r.DecaThick = 0.0F;
  r.NumLines = 64;
}

}  // namespace calvora
