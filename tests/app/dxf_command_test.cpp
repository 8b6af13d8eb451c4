// calvora dxf, run end to end on a copy of the demo road and on small projects.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "drawing/cross_sheet.h"
#include "drawing/dxf_sheets.h"
#include "drawing/sheet_layout.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"
#include "support/run_program.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;
using testing::ProgramRun;

ProgramRun Dxf(const fs::path& folder, std::vector<std::string> args) {
  args.insert(args.begin(), "dxf");
  return testing::RunProgram(testing::CalvoraExecutable(), args, folder);
}

// The drawing the export in this program writes for every sheet of the demo road at this page.
std::string ExportedHere(const fs::path& folder, PageFormat page, bool landscape,
                         DxfFormat format) {
  testing::RecordingDialogs dialogs;
  dialogs.fileAnswers = {(folder / "here.dxf").string()};
  ProjectState state;
  testing::OpenProject(state, folder / "DEMO.PRJ");
  CrossSheet sheets(state, dialogs);
  sheets.Sheet = SheetSizeOf(page, landscape);
  SilentProgress progress;
  ExportSheets(sheets, {}, format, progress);
  return testing::ReadText(folder / "here.dxf");
}

TEST(DxfCommand, DemoRoadDrawingsAreTheExportsAtThePageAskedFor) {
  testing::TempFolder folder;
  testing::CopyDemoRoad(folder.Path());
  const ProgramRun binary = Dxf(folder.Path(), {"DEMO.PRJ"});
  ASSERT_EQ(binary.status, 0) << binary.err;
  EXPECT_EQ(binary.out, (folder / "DEMO_C.DXF").string() + "\n");
  const ProgramRun ascii = Dxf(
      folder.Path(), {"DEMO.PRJ", "--ascii", "--out", "ascii.dxf", "--page", "A3", "--landscape"});
  ASSERT_EQ(ascii.status, 0) << ascii.err;

  const std::string bytes = testing::ReadText(folder / "DEMO_C.DXF");
  EXPECT_TRUE(bytes == ExportedHere(folder.Path(), PageFormat::A4, false, DxfFormat::Binary))
      << "DEMO_C.DXF is not the export's A4 drawing";
  EXPECT_TRUE(testing::ReadText(folder / "ascii.dxf") ==
              ExportedHere(folder.Path(), PageFormat::A3, true, DxfFormat::Ascii))
      << "ascii.dxf is not the export's A3 landscape drawing";
}

TEST(DxfCommand, SheetRangeExistingFileAndRefusals) {
  const testing::Road road(testing::SampleRoad());
  const fs::path& folder = road.folder.Path();
  const std::string project = road.File(".PRJ").string();
  const ProgramRun one = Dxf(folder, {project, "--sheets", "2-3", "--out", "part.dxf"});
  ASSERT_EQ(one.status, 0) << one.err;
  const std::string part = testing::ReadText(folder / "part.dxf");
  EXPECT_EQ(part.find("Section No.: 4"), std::string::npos);
  EXPECT_NE(part.find("Section No.: 5"), std::string::npos);
  EXPECT_NE(part.find("Section No.: 9"), std::string::npos);

  const ProgramRun again = Dxf(folder, {project, "--sheets", "2", "--out", "part.dxf"});
  EXPECT_EQ(again.status, 2);
  EXPECT_NE(again.err.find("--yes"), std::string::npos);
  EXPECT_EQ(testing::ReadText(folder / "part.dxf"), part);

  const ProgramRun bad = Dxf(folder, {project, "--sheets", "2-5", "--out", "bad.dxf"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("Bad page number. Operation canceled."), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "bad.dxf"));
  EXPECT_EQ(Dxf(folder, {project, "--page", "B5"}).status, 2);
}

}  // namespace
}  // namespace calvora
