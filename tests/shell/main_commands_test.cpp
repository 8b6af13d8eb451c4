// New, Open and the tests in front of the editors, the drawing and the computations.

#include "shell/main_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "project/project_commands.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::ReadBytes;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::WriteBytes;

// Counts the computation's runs and what it was handed.
struct CountingComputation {
  int runs = 0;
  Computation AsComputation() {
    return [this](ProjectState&, UserDialogs&, Progress&) { ++runs; };
  }
};

class RecordingProgress : public Progress {
 public:
  void Start(int) override {}
  bool Step(int) override { return false; }
  void Finish() override { ++finished; }
  int finished = 0;
};

class MainCommandsTest : public ::testing::Test {
 protected:
  void LoadWorkingFile(WorkingFile& file, const std::string& name, std::size_t recordLength,
                       int records) {
    WriteBytes(folder / name, std::vector<std::uint8_t>(recordLength * records, 0));
    file.FileName = (folder / name).string();
    file.File.emplace(folder / name, recordLength);
  }

  TempFolder folder;
  ScriptedDialogs dialogs;
  RecordingProgress progress;
  NoShellWindow shell;
  ProjectState state;
  RecentProjects recent{folder.Path(), folder / "config"};
  MainCommands commands{state, shell, dialogs, progress, recent};
};

TEST_F(MainCommandsTest, NewWritesAProjectRecordAndEnablesProperties) {
  const std::string path = (folder / "ROAD.PRJ").string();
  dialogs.ExpectSaveFile("Select Project File", "", path);
  EXPECT_FALSE(commands.MayShowProperties());
  commands.New();
  EXPECT_EQ(ReadBytes(path).size(), ProjectRecord::kLength);
  EXPECT_EQ(shell.Caption(), "Calvora - [ROAD.PRJ]");
  EXPECT_TRUE(shell.PropertiesEnabled());
  EXPECT_TRUE(commands.MayShowProperties());
  EXPECT_EQ(recent.Entries(), std::vector<std::string>{path});
}

TEST_F(MainCommandsTest, CancelledNewOrOpenChangesNothing) {
  dialogs.ExpectSaveFile("Select Project File", "", "").ExpectOpenFile("Select Project File", "");
  commands.New();
  commands.Open();
  EXPECT_EQ(shell.Caption(), "Calvora");
  EXPECT_FALSE(shell.PropertiesEnabled());
  EXPECT_FALSE(state.ProjectOpen());
  EXPECT_TRUE(recent.Entries().empty());
}

TEST_F(MainCommandsTest, OpenReadsTheRecordAndOpensItsWorkingFiles) {
  const std::string path = (folder / "ROAD.PRJ").string();
  {
    ProjectState other;
    NoShellWindow window;
    ASSERT_TRUE(CreateProject(other, path, window, dialogs));
    other.Project.TitleLeft = "Main road";
    other.Project.DataFile = (folder / "ROAD.DAT").string();
    ASSERT_TRUE(SaveProjectRecord(other, dialogs));
  }
  WriteBytes(folder / "ROAD.DAT", std::vector<std::uint8_t>(190 * 3, 0));
  dialogs.ExpectOpenFile("Select Project File", path);
  commands.Open();
  EXPECT_EQ(state.Project.TitleLeft, "Main road");
  EXPECT_EQ(state.Data.Count(), 3);
  EXPECT_EQ(shell.Caption(), "Calvora - [ROAD.PRJ]");
  EXPECT_TRUE(shell.PropertiesEnabled());
  EXPECT_TRUE(commands.MayEdit(WorkingFileKind::Data));
  EXPECT_FALSE(commands.MayEdit(WorkingFileKind::Variant));
  EXPECT_FALSE(commands.MayEdit(WorkingFileKind::Alignment));
}

TEST_F(MainCommandsTest, ComputationsRunOnlyWithTheFileTheyNeed) {
  struct Case {
    const char* name;
    ComputationNeeds needs;
    int alignmentRecords;  // -1: no alignment file loaded
    int dataRecords;       // -1: no data file loaded
    const char* refusal;   // "" when the computation runs
  };
  const Case cases[] = {
      {"alignment computation without its file", ComputationNeeds::AlignmentFile, -1, -1,
       "Alignment file not loaded."},
      {"alignment computation on an empty file", ComputationNeeds::AlignmentFile, 0, -1, ""},
      {"widening without the data file", ComputationNeeds::DataFile, 1, -1,
       "Data file not loaded."},
      {"widening on an empty data file", ComputationNeeds::DataFile, 1, 0, ""},
      {"volumes and elevations check for themselves", ComputationNeeds::Nothing, -1, -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectState fresh;
    MainCommands run{fresh, shell, dialogs, progress, recent};
    if (c.alignmentRecords >= 0) {
      LoadWorkingFile(fresh.Align, "ROAD.CRV", 20, c.alignmentRecords);
    }
    if (c.dataRecords >= 0) {
      LoadWorkingFile(fresh.Data, "ROAD.DAT", 190, c.dataRecords);
    }
    if (*c.refusal != '\0') {
      dialogs.ExpectMessage(c.refusal);
    }
    CountingComputation computation;
    run.Run(c.needs, computation.AsComputation());
    EXPECT_EQ(computation.runs, *c.refusal == '\0' ? 1 : 0);
    EXPECT_TRUE(dialogs.Done());
  }
}

TEST_F(MainCommandsTest, CrossSectionsNeedSectionsThenTypicalSections) {
  dialogs.ExpectMessage("Data file not loaded.");
  EXPECT_FALSE(commands.MayDrawCrossSections());

  LoadWorkingFile(state.Data, "ROAD.DAT", 190, 0);  // loaded but empty: still no sections
  LoadWorkingFile(state.Var, "ROAD.VAR", 488, 1);
  dialogs.ExpectMessage("Data file not loaded.");
  EXPECT_FALSE(commands.MayDrawCrossSections());

  LoadWorkingFile(state.Data, "ROAD.DAT", 190, 2);
  LoadWorkingFile(state.Var, "ROAD.VAR", 488, 0);
  dialogs.ExpectMessage("Variant file not loaded.");
  EXPECT_FALSE(commands.MayDrawCrossSections());

  LoadWorkingFile(state.Var, "ROAD.VAR", 488, 1);
  EXPECT_TRUE(commands.MayDrawCrossSections());
  EXPECT_EQ(dialogs.Log().size(), 3u);
}

TEST_F(MainCommandsTest, EditorsWithoutTheirFileDoNothingAndSayNothing) {
  EXPECT_FALSE(commands.MayEdit(WorkingFileKind::Data));
  EXPECT_FALSE(commands.MayEdit(WorkingFileKind::Variant));
  EXPECT_FALSE(commands.MayEdit(WorkingFileKind::Alignment));
  EXPECT_FALSE(commands.MayShowProperties());
  EXPECT_TRUE(dialogs.Log().empty());
}

TEST_F(MainCommandsTest, ErrorEscapingAComputationIsShownAndHidesTheProgress) {
  dialogs.ExpectMessage("disk on fire");
  commands.Run(ComputationNeeds::Nothing, [](ProjectState&, UserDialogs&, Progress&) {
    throw std::runtime_error("disk on fire");
  });
  EXPECT_EQ(progress.finished, 1);
}

}  // namespace
}  // namespace calvora
