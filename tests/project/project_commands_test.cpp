#include "project/project_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "project/working_files.h"
#include "records/record_file.h"
#include "support/record_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::ReadBytes;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::TextAt;
using testing::WriteBytes;

class ProjectCommandsTest : public ::testing::Test {
 protected:
  std::string ProjectIn(const std::string& name) const { return (folder_ / name).string(); }

  TempFolder folder_;
  ProjectState state_;
  NoShellWindow window_;
  ScriptedDialogs dialogs_;
};

// The bytes of a new project's record are checked with the record itself; here, that New
// writes it from the previous record, shows it and closes the previous working files.
TEST_F(ProjectCommandsTest, NewWritesTheNewProjectRecordOverThePreviousOne) {
  WriteBytes(folder_ / "OLD.DAT", Bytes(190 * 2));
  state_.ProjectPath = ProjectIn("OLD.PRJ");
  state_.Project.DataFile = ProjectIn("OLD.DAT");
  state_.Project.DrawDatum = -1;
  state_.Project.Margin = {0.5F, 1.5F, 2.5F, 3.5F};
  state_.Project.TitleLeft = "Old title";
  state_.Project.NumLines = 50;
  OpenWorkingFiles(state_, dialogs_);
  state_.Data.Current = 2;
  ProjectRecord expected = state_.Project;
  InitialiseNewProject(expected);
  const std::string path = ProjectIn("ROAD.PRJ");
  WriteBytes(path, Bytes(2000, 0x55));  // a longer file replaced
  ASSERT_TRUE(CreateProject(state_, path, window_, dialogs_));
  RecordFile file(path, ProjectRecord::kLength);
  EXPECT_EQ(file.Count(), 1);
  EXPECT_EQ(ReadRecord<ProjectRecord>(file, 1), expected);
  EXPECT_EQ(state_.Project, expected);
  EXPECT_EQ(window_.Caption(), "Calvora - [ROAD.PRJ]");
  EXPECT_TRUE(window_.PropertiesEnabled());
  EXPECT_EQ(state_.ProjectPath, path);
  EXPECT_FALSE(state_.Data.Loaded());
  EXPECT_EQ(state_.Data.FileName, "");
  EXPECT_EQ(state_.Data.Count(), 0);
}

TEST_F(ProjectCommandsTest, AnOpenWorkingFileCannotBecomeTheProjectFile) {
  WriteBytes(folder_ / "R.DAT", Bytes(190 * 4, 0x11));
  state_.ProjectPath = ProjectIn("OLD.PRJ");
  state_.Project.DataFile = ProjectIn("R.DAT");
  OpenWorkingFiles(state_, dialogs_);
  dialogs_.ExpectMessage("The file " + ProjectIn("R.DAT") +
                         " is open as the data file of the open project. Choose another file.");
  EXPECT_FALSE(CreateProject(state_, ProjectIn("R.DAT"), window_, dialogs_));
  EXPECT_EQ(ReadBytes(folder_ / "R.DAT"), Bytes(190 * 4, 0x11));
  EXPECT_EQ(state_.ProjectPath, ProjectIn("OLD.PRJ"));
}

TEST_F(ProjectCommandsTest, OpenReadsTheRecordAndOpensTheWorkingFiles) {
  WriteBytes(folder_ / "R.DAT", Bytes(190 * 5));
  ProjectRecord record;
  InitialiseNewProject(record);
  record.DataFile = "C:\\ROADS\\r.dat";
  record.AlignFile = "R.CRV";
  record.TitleCenter = "Km 0 – 5";
  Bytes bytes(728);
  EncodeRecord(record, bytes);
  WriteBytes(folder_ / "R.PRJ", bytes);
  dialogs_.ExpectYesNo("Alignment file not found.Create New ?", false);
  ASSERT_TRUE(OpenExistingProject(state_, ProjectIn("R.PRJ"), window_, dialogs_));
  EXPECT_EQ(state_.Project, record);
  EXPECT_EQ(state_.Data.File->Path(), folder_ / "R.DAT");
  EXPECT_EQ(state_.Data.Count(), 5);
  EXPECT_FALSE(state_.Align.Loaded());
  EXPECT_EQ(window_.Caption(), "Calvora - [R.PRJ]");
  EXPECT_EQ(ReadBytes(folder_ / "R.PRJ"), bytes);  // opening writes nothing
}

TEST_F(ProjectCommandsTest, ANonProjectFileIsRefusedAndLeftUntouched) {
  ASSERT_TRUE(CreateProject(state_, ProjectIn("GOOD.PRJ"), window_, dialogs_));
  WriteBytes(folder_ / "SHORT.PRJ", Bytes(727, 'x'));
  WriteBytes(folder_ / "EMPTY.PRJ", {});
  const auto notAProject = [&](const std::string& name) {
    return "The file " + ProjectIn(name) +
           " is not a project file (one record of 728 bytes). It was left unchanged.";
  };
  dialogs_.ExpectMessage(notAProject("SHORT.PRJ"))
      .ExpectMessage(notAProject("EMPTY.PRJ"))
      .ExpectMessage("The project file " + ProjectIn("NONE.PRJ") + " does not exist.");
  const testing::FolderSnapshot before = testing::Snapshot(folder_.Path());
  for (const char* name : {"SHORT.PRJ", "EMPTY.PRJ", "NONE.PRJ"}) {
    EXPECT_FALSE(OpenExistingProject(state_, ProjectIn(name), window_, dialogs_));
  }
  EXPECT_TRUE(testing::Snapshot(folder_.Path()) == before);
  // The project open before stays open.
  EXPECT_EQ(state_.ProjectPath, ProjectIn("GOOD.PRJ"));
  EXPECT_EQ(window_.Caption(), "Calvora - [GOOD.PRJ]");
  EXPECT_TRUE(window_.PropertiesEnabled());
}

TEST_F(ProjectCommandsTest, ARelativeProjectPathIsKeptAbsolute) {
  const auto previous = fs::current_path();
  fs::current_path(folder_.Path());
  const bool created = CreateProject(state_, "REL.PRJ", window_, dialogs_);
  fs::current_path(previous);
  ASSERT_TRUE(created);
  EXPECT_EQ(state_.ProjectPath, ProjectIn("REL.PRJ"));
}

TEST_F(ProjectCommandsTest, SaveWritesRecordOneAndRefusesTextsThatDoNotFit) {
  ASSERT_TRUE(CreateProject(state_, ProjectIn("P.PRJ"), window_, dialogs_));
  state_.Project.TitleRight = "Tramo º2";
  ASSERT_TRUE(SaveProjectRecord(state_, dialogs_));
  const Bytes saved = ReadBytes(folder_ / "P.PRJ");
  EXPECT_EQ(TextAt(saved, 500, 8),
            "Tramo \xBA"
            "2");

  state_.Project.DataFile = "/" + std::string(100, 'd');
  dialogs_.ExpectMessage("Data file: \"" + state_.Project.DataFile +
                         "\" is longer than 100 characters and cannot be stored.");
  EXPECT_FALSE(SaveProjectRecord(state_, dialogs_));
  state_.Project.DataFile = "/roads/道路.DAT";
  dialogs_.ExpectMessage(
      "Data file: \"/roads/道路.DAT\" has characters that cannot be stored "
      "in the file.");
  EXPECT_FALSE(SaveProjectRecord(state_, dialogs_));
  EXPECT_EQ(ReadBytes(folder_ / "P.PRJ"), saved);
}

}  // namespace
}  // namespace calvora
