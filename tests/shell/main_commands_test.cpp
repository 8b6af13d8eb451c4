// New, Open and the tests in front of the editors, the drawing and the computations.

#include "shell/main_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <tuple>

#include "project/project_commands.h"
#include "support/scripted_dialogs.h"
#include "support/stopping_progress.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::WriteBytes;

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
  testing::StoppingProgress progress;
  NoShellWindow shell;
  ProjectState state;
  RecentProjects recent{folder.Path(), folder / "config"};
  MainCommands commands{state, shell, dialogs, progress, recent};
};

TEST_F(MainCommandsTest, NewAsksForTheFileAndListsTheProject) {
  const std::string path = (folder / "ROAD.PRJ").string();
  dialogs.ExpectSaveFile("Select Project File", "", path);
  EXPECT_FALSE(commands.MayShowProperties());
  commands.New();
  EXPECT_TRUE(commands.MayShowProperties());  // the new project is open
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

TEST_F(MainCommandsTest, OpenShowsTheProjectAndAllowsEditingItsLoadedFiles) {
  const std::string path = (folder / "ROAD.PRJ").string();
  {
    ProjectState other;
    NoShellWindow window;
    ASSERT_TRUE(CreateProject(other, path, window, dialogs));
    other.Project.DataFile = (folder / "ROAD.DAT").string();
    ASSERT_TRUE(SaveProjectRecord(other, dialogs));
  }
  WriteBytes(folder / "ROAD.DAT", std::vector<std::uint8_t>(190 * 3, 0));
  dialogs.ExpectOpenFile("Select Project File", path);
  commands.Open();
  EXPECT_EQ(shell.Caption(), "Calvora - [ROAD.PRJ]");
  EXPECT_TRUE(commands.MayEdit(WorkingFileKind::Data));
  EXPECT_FALSE(commands.MayEdit(WorkingFileKind::Variant));
  EXPECT_FALSE(commands.MayEdit(WorkingFileKind::Alignment));
}

TEST_F(MainCommandsTest, CommandsStartOnlyWithWhatTheyNeed) {
  constexpr int kNone = -1;  // the file is not loaded
  struct Case {
    CommandId command;
    int alignment, data, variants;  // records in each file, or kNone
    const char* refusal;            // "" when the command may start
  };
  const Case cases[] = {
      {CommandId::PlanCoordinates, kNone, 3, 3, "Alignment file not loaded."},
      {CommandId::HorizontalCurves, 0, kNone, kNone, ""},
      {CommandId::SpiralCurves, kNone, kNone, kNone, "Alignment file not loaded."},
      {CommandId::WidenGround, 3, kNone, 3, "Data file not loaded."},
      {CommandId::WidenGround, kNone, 0, kNone, ""},
      {CommandId::ProjectElevations, kNone, kNone, kNone, "Alignment file not loaded."},
      {CommandId::ProjectElevations, 2, 0, kNone, "Data file not loaded."},
      {CommandId::ProjectElevations, 2, 1, kNone, ""},
      {CommandId::Volumes, 2, kNone, 1, "Data file not loaded."},
      {CommandId::Volumes, kNone, 2, 0, "Variant file not loaded."},
      {CommandId::Volumes, kNone, 2, 1, ""},
      {CommandId::CrossSections, kNone, 0, 1, "Data file not loaded."},
      {CommandId::CrossSections, kNone, 1, kNone, "Variant file not loaded."},
      {CommandId::CrossSections, kNone, 1, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Command(c.command).menuItem + " " + c.refusal);
    ProjectState fresh;
    MainCommands run{fresh, shell, dialogs, progress, recent};
    const std::tuple<WorkingFile*, const char*, std::size_t, int> files[] = {
        {&fresh.Align, "ROAD.CRV", 20, c.alignment},
        {&fresh.Data, "ROAD.DAT", 190, c.data},
        {&fresh.Var, "ROAD.VAR", 488, c.variants}};
    for (const auto& [file, name, length, records] : files) {
      if (records != kNone) {
        LoadWorkingFile(*file, name, length, records);
      }
    }
    if (*c.refusal != '\0') {
      dialogs.ExpectMessage(c.refusal);
    }
    EXPECT_EQ(run.MayStart(c.command), *c.refusal == '\0');
    EXPECT_TRUE(dialogs.Done());
  }
}

TEST_F(MainCommandsTest, SectionCommandsRefuseDamagedSettingsNamingTheField) {
  LoadWorkingFile(state.Data, "ROAD.DAT", 190, 1);
  LoadWorkingFile(state.Var, "ROAD.VAR", 488, 1);
  state.Project.Thickness[0] = std::numeric_limits<float>::quiet_NaN();
  for (const CommandId id : {CommandId::Volumes, CommandId::CrossSections}) {
    dialogs.ExpectAnyMessage();
    EXPECT_FALSE(commands.MayStart(id));
    ASSERT_FALSE(dialogs.Log().empty());
    EXPECT_THAT(dialogs.Log().back(), ::testing::HasSubstr("Thickness(1) is not a number"));
  }
}

TEST_F(MainCommandsTest, ErrorEscapingAComputationIsShownAndHidesTheProgress) {
  dialogs.ExpectMessage("disk on fire");
  CommandEntry burning = Command(CommandId::Volumes);
  burning.needs.clear();
  burning.readsSettings = false;
  burning.run = [](ProjectState&, UserDialogs&, Progress&) -> CommandReport {
    throw std::runtime_error("disk on fire");
  };
  commands.Run(burning);
  EXPECT_TRUE(progress.finished);
}

}  // namespace
}  // namespace calvora
