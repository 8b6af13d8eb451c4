// The DXF export of a sheet range: the file's frame, the placement of the sheets, the faults
// that leave no file behind, cancelling, and the read-back by an independent reader.

#include "drawing/dxf_cross.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "drawing/dxf_opening.h"
#include "drawing/dxf_read_back.h"
#include "drawing/dxf_reading.h"
#include "drawing/road_project.h"
#include "support/recording_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::DxfEntity;
using testing::RecordingDialogs;
using testing::RoadOptions;
using testing::ScriptedDialogs;
using testing::TempFolder;

const std::string kTrailer("\0\0ENDSEC\0\0EOF\0", 14);

class StopAfter : public Progress {
 public:
  explicit StopAfter(int stopAt) : stopAt_(stopAt) {}
  void Start(int maximum) override { maximum_ = maximum; }
  bool Step(int value) override {
    steps_.push_back(value);
    return value >= stopAt_;
  }
  void Finish() override { finished_ = true; }
  int maximum_ = -1;
  std::vector<int> steps_;
  bool finished_ = false;

 private:
  int stopAt_;
};

class DxfCrossTest : public ::testing::Test {
 protected:
  void Open(const RoadOptions& options, UserDialogs& dialogs,
            const std::filesystem::path& appDir = CALVORA_SOURCE_DIR "/data") {
    testing::OpenRoad(state, testing::WriteRoadProject(folder.Path(), options), dialogs, appDir);
    sheets.emplace(state, dialogs);
    sheets->Sheet = {60, 42};
  }
  std::filesystem::path Output() const { return folder / "ROAD_C.DXF"; }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(
        std::filesystem::directory_iterator(folder.Path()), std::filesystem::directory_iterator()));
  }
  std::vector<DxfEntity> Entities() const {
    return testing::ReadBinaryEntities(testing::ReadText(Output()),
                                       DxfOpening(DxfFormat::Binary).size());
  }

  TempFolder folder;
  ProjectState state;
  std::optional<CrossSheet> sheets;
  SilentProgress silent;
};

TEST_F(DxfCrossTest, FileIsDefinitionsEntitiesAndTrailerUnderTheProposedName) {
  ScriptedDialogs dialogs;
  Open({}, dialogs);
  dialogs.ExpectSaveFile("Select DXF File", Output().string(), Output().string());
  StopAfter progress(99);
  EXPECT_EQ(DXFCross(*sheets, {}, DxfFormat::Binary, progress), Output().string());
  const std::string bytes = testing::ReadText(Output());
  const std::string opening = DxfOpening(DxfFormat::Binary);
  EXPECT_EQ(bytes.substr(0, opening.size()), opening);
  EXPECT_TRUE(bytes.ends_with(kTrailer));
  EXPECT_EQ(progress.maximum_, 3);
  EXPECT_EQ(progress.steps_, (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(progress.finished_);
  EXPECT_DOUBLE_EQ(sheets->XOffset, 0);
  EXPECT_EQ(sheets->Graphic.Object(), nullptr);
  EXPECT_EQ(FilesInFolder(), 4u);  // no scratch file left
  // Texts at the project font size / 10 / 2.83; every entity on a layer of the drawing.
  const auto entities = Entities();
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

TEST_F(DxfCrossTest, ThirdSheetSitsTwoSpacingsOfItsWidthToTheRight) {
  RecordingDialogs dialogs;
  Open({.margin = 0}, dialogs);
  sheets->Sheet = {0.4, 40};
  EXPECT_NE(DXFCross(*sheets, {}, DxfFormat::Binary, silent), "");
  // The centre-line marks (cyan on layer "0") end in their tip on the centre line.
  std::set<double> tips;
  for (const DxfEntity& e : Entities()) {
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

TEST_F(DxfCrossTest, MissingDefinitionsFileLeavesNoFileBehind) {
  TempFolder emptyProgramFolder;
  ScriptedDialogs dialogs;
  Open({}, dialogs, emptyProgramFolder.Path());
  dialogs.ExpectSaveFile("Select DXF File", Output().string(), Output().string())
      .ExpectMessage("File not found: DXF-DEFS.INI");
  EXPECT_EQ(DXFCross(*sheets, {}, DxfFormat::Binary, silent), "");
  EXPECT_FALSE(std::filesystem::exists(Output()));
  EXPECT_EQ(FilesInFolder(), 3u);
}

TEST_F(DxfCrossTest, AsciiDrawingNeedsNoDefinitionsFile) {
  TempFolder emptyProgramFolder;
  RecordingDialogs dialogs;
  Open({}, dialogs, emptyProgramFolder.Path());
  EXPECT_EQ(DXFCross(*sheets, {}, DxfFormat::Ascii, silent), Output().string());
  const std::string text = testing::ReadText(Output());
  EXPECT_EQ(text.rfind(DxfOpening(DxfFormat::Ascii), 0), 0u);
  EXPECT_TRUE(text.ends_with("  0\r\nENDSEC\r\n  0\r\nEOF\r\n"));
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"SaveFile: Select DXF File"});
}

TEST_F(DxfCrossTest, RefusedRangeAndBrokenSettingsAskForNoFile) {
  {
    ScriptedDialogs dialogs;
    Open({}, dialogs);
    dialogs.ExpectMessage("Bad page number. Operation canceled.");
    EXPECT_EQ(DXFCross(*sheets, {SheetRangeOption::Pages, "2", "5"}, DxfFormat::Binary, silent),
              "");
  }
  TempFolder other;
  ProjectState otherState;
  ScriptedDialogs dialogs;
  testing::OpenRoad(otherState, testing::WriteRoadProject(other.Path(), {.sectionsPerSheet = 0}),
                    dialogs);
  CrossSheet broken(otherState, dialogs);
  broken.Sheet = {60, 42};
  dialogs.ExpectMessage(
      "Cannot draw the sheets: the number of cross sections in each sheet is 0; it must be at "
      "least 1.");
  EXPECT_EQ(DXFCross(broken, {}, DxfFormat::Binary, silent), "");
  EXPECT_FALSE(std::filesystem::exists(other / "ROAD_C.DXF"));
  EXPECT_FALSE(std::filesystem::exists(Output()));
}

TEST_F(DxfCrossTest, PageSmallerThanItsMarginsIsRefusedWithAMessage) {
  ScriptedDialogs dialogs;
  Open({.margin = 25}, dialogs);
  dialogs.ExpectMessage("Cannot draw the sheets: the page is smaller than its margins.");
  EXPECT_EQ(DXFCross(*sheets, {}, DxfFormat::Binary, silent), "");
  EXPECT_FALSE(std::filesystem::exists(Output()));
}

TEST_F(DxfCrossTest, CancelledNameWritesNothing) {
  ScriptedDialogs dialogs;
  Open({}, dialogs);
  dialogs.ExpectSaveFile("Select DXF File", Output().string(), "");
  EXPECT_EQ(DXFCross(*sheets, {}, DxfFormat::Binary, silent), "");
  EXPECT_EQ(FilesInFolder(), 3u);
}

TEST_F(DxfCrossTest, CancelStopsBeforeTheNextSheetAndClosesTheDrawing) {
  RecordingDialogs dialogs;
  Open({}, dialogs);
  StopAfter progress(1);
  EXPECT_EQ(DXFCross(*sheets, {}, DxfFormat::Binary, progress), Output().string());
  EXPECT_EQ(progress.steps_, std::vector<int>{1});
  EXPECT_TRUE(testing::ReadText(Output()).ends_with(kTrailer));
  std::set<std::string> sections;
  for (const DxfEntity& e : Entities()) {
    if (e.text.starts_with("Section No.: ")) {
      sections.insert(e.text);
    }
  }
  EXPECT_EQ(sections, (std::set<std::string>{"Section No.: 1", "Section No.: 2", "Section No.: 3",
                                             "Section No.: 4"}));
}

// What the program's own reader finds in a binary drawing, to hold against the other reader.
testing::Produced Found(const std::vector<DxfEntity>& entities) {
  testing::Produced found;
  for (const DxfEntity& e : entities) {
    (e.type == "LINE" ? found.lines : found.texts) += 1;
    if (e.layer == "Ground") {
      found.groundMinX = std::min({found.groundMinX, e.x1, e.x2});
      found.groundMinY = std::min({found.groundMinY, e.y1, e.y2});
      found.groundMaxX = std::max({found.groundMaxX, e.x1, e.x2});
      found.groundMaxY = std::max({found.groundMaxY, e.y1, e.y2});
    }
  }
  return found;
}

TEST_F(DxfCrossTest, IndependentReaderFindsTheSameDrawingInBinaryAndAscii) {
  RecordingDialogs dialogs;
  Open({.sections = 9, .layers = true}, dialogs);
  ASSERT_EQ(DXFCross(*sheets, {}, DxfFormat::Binary, silent), Output().string());
  const testing::Produced binary = Found(Entities());
  EXPECT_GT(binary.lines, 100);
  testing::ExpectReadBackMatches(testing::ReadWithEzdxf(Output()), binary);
  std::filesystem::remove(Output());
  ASSERT_EQ(DXFCross(*sheets, {}, DxfFormat::Ascii, silent), Output().string());
  testing::ExpectReadBackMatches(testing::ReadWithEzdxf(Output()), binary);
}

}  // namespace
}  // namespace calvora
