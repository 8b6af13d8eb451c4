// The DXF export of a sheet range: the file's frame, the placement of the sheets, the faults
// that leave no file behind, cancelling, and the read-back by an independent reader.

#include "drawing/dxf_sheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "drawing/cross_sheet.h"
#include "drawing/dxf_opening.h"
#include "drawing/dxf_read_back.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"
#include "support/scripted_dialogs.h"
#include "support/stopping_progress.h"

namespace calvora {
namespace {

using testing::DxfEntity;
using testing::RecordingDialogs;
using testing::RoadOptions;
using testing::ScriptedDialogs;

const std::string kTrailer("\0\0ENDSEC\0\0EOF\0", 14);

// The sample road's sheets, 60 x 42, ready for export.
struct Export {
  Export(const RoadOptions& options, UserDialogs& dialogs) : road(testing::SampleRoad(options)) {
    sheets.emplace(road.state, dialogs);
    sheets->Sheet = {60, 42};
  }
  std::filesystem::path Output() const { return road.File("_C.DXF"); }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(road.folder.Path()),
                      std::filesystem::directory_iterator()));
  }
  std::vector<DxfEntity> Entities() const {
    return testing::ReadBinaryEntities(testing::ReadText(Output()),
                                       DxfOpening(DxfFormat::Binary).size());
  }
  std::string Run(DxfFormat format = DxfFormat::Binary, SheetRangeChoice range = {}) {
    SilentProgress silent;
    return ExportSheets(*sheets, range, format, silent);
  }

  testing::Road road;
  std::optional<CrossSheet> sheets;
};

TEST(DxfCross, FileIsDefinitionsEntitiesAndTrailerUnderTheProposedName) {
  ScriptedDialogs dialogs;
  Export dxf({}, dialogs);
  dialogs.ExpectSaveFile("Select DXF File", dxf.Output().string(), dxf.Output().string());
  testing::StoppingProgress progress(99);
  EXPECT_EQ(ExportSheets(*dxf.sheets, {}, DxfFormat::Binary, progress), dxf.Output().string());
  const std::string bytes = testing::ReadText(dxf.Output());
  const std::string opening = DxfOpening(DxfFormat::Binary);
  EXPECT_EQ(bytes.substr(0, opening.size()), opening);
  EXPECT_TRUE(bytes.ends_with(kTrailer));
  EXPECT_EQ(progress.maximum, 3);
  EXPECT_EQ(progress.steps, (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(progress.finished);
  EXPECT_DOUBLE_EQ(dxf.sheets->XOffset, 0);
  EXPECT_EQ(dxf.sheets->Graphic.Object(), nullptr);
  EXPECT_EQ(dxf.FilesInFolder(), 4u);  // no scratch file left
  // Texts at the project font size / 10 / 2.83; every entity on a layer of the drawing.
  const auto entities = dxf.Entities();
  ASSERT_FALSE(entities.empty());
  const std::set<std::string> layers{"0", "Project", "Compact", "Ground", "Deco"};
  for (const DxfEntity& e : entities) {
    EXPECT_TRUE(layers.contains(e.layer)) << e.layer;
    if (e.type == "TEXT") {
      EXPECT_DOUBLE_EQ(e.height, 0.35);
      EXPECT_EQ(e.colour, 0);
    }
  }
}

TEST(DxfCross, ThirdSheetSitsTwoSpacingsOfItsWidthToTheRight) {
  RecordingDialogs dialogs;
  Export dxf({.margin = 0}, dialogs);
  dxf.sheets->Sheet = {0.4, 40};
  EXPECT_NE(dxf.Run(), "");
  // The centre-line marks (cyan on layer "0") end in their tip on the centre line.
  std::set<double> tips;
  for (const DxfEntity& e : dxf.Entities()) {
    if (e.type == "LINE" && e.layer == "0" && e.colour == 3 && e.y1 != e.y2) {
      tips.insert(e.x2);
    }
  }
  ASSERT_EQ(tips.size(), 3u);
  const std::vector<double> xs(tips.begin(), tips.end());
  EXPECT_DOUBLE_EQ(xs[0], 0);
  EXPECT_NEAR(xs[1], 0.42, 1e-12);
  EXPECT_NEAR(xs[2], 0.84, 1e-12);
}

TEST(DxfCross, RefusalsAndFaultsLeaveNoFileBehind) {
  struct Case {
    const char* name;
    RoadOptions options;
    SheetRangeChoice range;
    bool asked;  // for the file name
    std::string answer;
    std::string message;
    bool withoutDefinitions = false;
  };
  const std::string proposed = "proposed";
  const Case cases[] = {
      {"sheets off the drawing",
       {},
       {SheetRangeOption::Pages, "2", "5"},
       false,
       "",
       "Bad page number. Operation canceled."},
      {"no sections on a sheet",
       {.sectionsPerSheet = 0},
       {},
       false,
       "",
       "Cannot draw the sheets: the number of cross sections in each sheet is 0; it must be at "
       "least 1."},
      {"a cancelled name", {}, {}, true, "", ""},
      {"no definitions file", {}, {}, true, proposed, "File not found: DXF-DEFS.INI", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    Export dxf(c.options, dialogs);
    testing::TempFolder emptyProgramFolder;
    if (c.withoutDefinitions) {
      dxf.road.state.AppDir = emptyProgramFolder.Path();
    }
    const std::string output = dxf.Output().string();
    if (c.asked) {
      dialogs.ExpectSaveFile("Select DXF File", output, c.answer == proposed ? output : c.answer);
    }
    if (!c.message.empty()) {
      dialogs.ExpectMessage(c.message);
    }
    EXPECT_EQ(dxf.Run(DxfFormat::Binary, c.range), "");
    EXPECT_EQ(dxf.FilesInFolder(), 3u);
  }
}

TEST(DxfCross, AsciiDrawingNeedsNoDefinitionsFile) {
  RecordingDialogs dialogs;
  Export dxf({}, dialogs);
  testing::TempFolder emptyProgramFolder;
  dxf.road.state.AppDir = emptyProgramFolder.Path();
  EXPECT_EQ(dxf.Run(DxfFormat::Ascii), dxf.Output().string());
  const std::string text = testing::ReadText(dxf.Output());
  EXPECT_EQ(text.rfind(DxfOpening(DxfFormat::Ascii), 0), 0u);
  EXPECT_TRUE(text.ends_with("  0\r\nENDSEC\r\n  0\r\nEOF\r\n"));
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"SaveFile: Select DXF File"});
}

TEST(DxfCross, CancelStopsBeforeTheNextSheetAndClosesTheDrawing) {
  RecordingDialogs dialogs;
  Export dxf({}, dialogs);
  testing::StoppingProgress progress(1);
  EXPECT_EQ(ExportSheets(*dxf.sheets, {}, DxfFormat::Binary, progress), dxf.Output().string());
  EXPECT_EQ(progress.steps, std::vector<int>{1});
  EXPECT_TRUE(testing::ReadText(dxf.Output()).ends_with(kTrailer));
  std::set<std::string> sections;
  for (const DxfEntity& e : dxf.Entities()) {
    if (e.text.starts_with("Section No.: ")) {
      sections.insert(e.text);
    }
  }
  EXPECT_EQ(sections, (std::set<std::string>{"Section No.: 1", "Section No.: 2", "Section No.: 3",
                                             "Section No.: 4"}));
}

TEST(DxfCross, IndependentReaderFindsTheSameDrawingInBinaryAndAscii) {
  RecordingDialogs dialogs;
  Export dxf({.sections = 9, .layers = true}, dialogs);
  ASSERT_EQ(dxf.Run(), dxf.Output().string());
  const testing::Produced binary = testing::ProducedBy(dxf.Entities());
  EXPECT_GT(binary.lines, 100);
  testing::ExpectReadBackMatches(testing::ReadWithEzdxf(dxf.Output()), binary);
  std::filesystem::remove(dxf.Output());
  ASSERT_EQ(dxf.Run(DxfFormat::Ascii), dxf.Output().string());
  testing::ExpectReadBackMatches(testing::ReadWithEzdxf(dxf.Output()), binary);
}

}  // namespace
}  // namespace calvora
