// calvora dxf, run end to end on a copy of the demo road and on small projects.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "drawing/collecting_dialogs.h"
#include "drawing/dxf_read_back.h"
#include "drawing/road_project.h"
#include "drawing/sheet_layout.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;
using testing::ProgramRun;
using testing::TempFolder;

class DxfCommand : public ::testing::Test {
 protected:
  void CopyDemo() {
    for (const auto& entry :
         fs::directory_iterator(fs::path(CALVORA_SOURCE_DIR) / "examples/demo")) {
      fs::copy_file(entry.path(), folder / entry.path().filename().string());
    }
  }
  ProgramRun Dxf(std::vector<std::string> args) const {
    args.insert(args.begin(), "dxf");
    return testing::RunProgram(testing::CalvoraExecutable(), args, folder.Path());
  }
  // What the sheet drawing produces for every sheet of the project at this page.
  testing::Produced DrawnForAllSheets(const fs::path& project, PageFormat page, bool landscape) {
    testing::CollectingDialogs dialogs;
    ProjectState state;
    testing::OpenRoad(state, project, dialogs);
    CrossSheet sheets(state, dialogs);
    sheets.Sheet = SheetSizeOf(page, landscape);
    return testing::DrawSheetsAsTheExportDoes(sheets, sheets.SheetCount());
  }

  TempFolder folder;
};

TEST_F(DxfCommand, DemoRoadDrawingsReadBackByAnIndependentReader) {
  CopyDemo();
  const ProgramRun binary = Dxf({"DEMO.PRJ"});
  ASSERT_EQ(binary.status, 0) << binary.err;
  EXPECT_EQ(binary.out, (folder / "DEMO_C.DXF").string() + "\n");
  const ProgramRun ascii =
      Dxf({"DEMO.PRJ", "--ascii", "--out", "ascii.dxf", "--page", "A3", "--landscape"});
  ASSERT_EQ(ascii.status, 0) << ascii.err;

  const testing::Produced a4 = DrawnForAllSheets(folder / "DEMO.PRJ", PageFormat::A4, false);
  testing::ExpectReadBackMatches(testing::ReadWithEzdxf(folder / "DEMO_C.DXF"), a4);
  const testing::Produced a3 = DrawnForAllSheets(folder / "DEMO.PRJ", PageFormat::A3, true);
  testing::ExpectReadBackMatches(testing::ReadWithEzdxf(folder / "ascii.dxf"), a3);
  EXPECT_GT(a4.lines, 79 * 10);
  EXPECT_EQ(testing::ReadText(folder / "ascii.dxf").rfind("  0\r\nSECTION\r\n", 0), 0u);
}

TEST_F(DxfCommand, SheetRangeAndExistingFile) {
  const fs::path project = testing::WriteRoadProject(folder.Path(), {});
  const ProgramRun one = Dxf({project.string(), "--sheets", "2-3", "--out", "part.dxf"});
  ASSERT_EQ(one.status, 0) << one.err;
  const std::string part = testing::ReadText(folder / "part.dxf");
  EXPECT_EQ(part.find("Section No.: 4"), std::string::npos);
  EXPECT_NE(part.find("Section No.: 5"), std::string::npos);
  EXPECT_NE(part.find("Section No.: 9"), std::string::npos);

  const ProgramRun again = Dxf({project.string(), "--sheets", "2", "--out", "part.dxf"});
  EXPECT_EQ(again.status, 2);
  EXPECT_NE(again.err.find("--yes"), std::string::npos);
  EXPECT_EQ(testing::ReadText(folder / "part.dxf"), part);

  const ProgramRun bad = Dxf({project.string(), "--sheets", "2-5", "--out", "bad.dxf"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("Bad page number. Operation canceled."), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "bad.dxf"));
}

TEST_F(DxfCommand, BrokenSheetSettingsFailWithAMessageAndNoFile) {
  const fs::path project = testing::WriteRoadProject(folder.Path(), {.sectionsPerSheet = 0});
  const ProgramRun run = Dxf({project.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("must be at least 1"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(folder / "ROAD_C.DXF"));

  const ProgramRun usage = Dxf({project.string(), "--page", "B5"});
  EXPECT_EQ(usage.status, 2);
}

}  // namespace
}  // namespace calvora
