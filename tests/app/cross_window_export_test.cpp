// The cross-section window's DXF export and `calvora dxf` write the same drawing.

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/cross_window_model.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

TEST(CrossWindowExport, WritesTheBytesTheBatchCommandWrites) {
  testing::TempFolder folder;
  const auto project =
      testing::WriteRoad(folder.Path(), testing::SampleRoad({.sections = 11, .layers = true}));
  for (const bool ascii : {false, true}) {
    SCOPED_TRACE(ascii ? "text DXF" : "binary DXF");
    std::vector<std::string> args = {"dxf",  project.string(), "--sheets",
                                     "2-3",  "--out",          (folder / "BATCH.DXF").string(),
                                     "--yes"};
    if (ascii) {
      args.push_back("--ascii");
    }
    const auto run = testing::RunProgram(testing::CalvoraExecutable(), args, folder.Path());
    ASSERT_EQ(run.status, 0) << run.err;

    testing::RecordingDialogs dialogs;
    dialogs.fileAnswers.push_back((folder / "WINDOW.DXF").string());
    ProjectState state;
    testing::OpenProject(state, project);
    CrossWindowModel window(state, dialogs);
    window.SetPage(SheetSizeOf(PageFormat::A4, false));
    window.Last();  // the window's own sheet plays no part in a range
    SilentProgress progress;
    ASSERT_FALSE(window
                     .Export({SheetRangeOption::Pages, "2", "3"},
                             ascii ? DxfFormat::Ascii : DxfFormat::Binary, progress)
                     .empty());
    EXPECT_EQ(testing::ReadBytes(folder / "WINDOW.DXF"), testing::ReadBytes(folder / "BATCH.DXF"));
  }
}

}  // namespace
}  // namespace calvora
