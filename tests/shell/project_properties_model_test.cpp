// The project properties dialog's behaviour: what it shows, what OK writes and reopens.

#include "shell/project_properties_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "project/project_commands.h"
#include "project/working_files.h"
#include "records/record_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using ::testing::Each;
using ::testing::HasSubstr;
using testing::ReadBytes;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::WriteBytes;

class PropertiesTest : public ::testing::Test {
 protected:
  PropertiesTest() {
    EXPECT_TRUE(CreateProject(state, ProjectPath(), shell, dialogs));
    model.Load(state.Project);
  }

  std::string ProjectPath() const { return (folder / "ROAD.PRJ").string(); }
  ProjectRecord Stored() const {
    RecordFile file(ProjectPath(), ProjectRecord::kLength);
    return ReadRecord<ProjectRecord>(file, 1);
  }
  std::string MakeFile(const std::string& name, std::size_t bytes) {
    WriteBytes(folder / name, std::vector<std::uint8_t>(bytes, 0));
    return (folder / name).string();
  }

  TempFolder folder;
  ScriptedDialogs dialogs;
  NoShellWindow shell;
  ProjectState state;
  ProjectPropertiesModel model;
};

TEST_F(PropertiesTest, LoadShowsTheFieldsInTheirShortestFormOnTheFirstTab) {
  state.Project.Margin = {0.5f, 1.25f, 2.0f, -3.0f};
  state.Project.Pen[1] = 0.35f;
  state.Project.DecaThick = 0.2f;
  state.Project.SectionsPerSheet = 3;
  state.Project.Font = {"DejaVu Sans", 9, -1, 0};
  model.Load(state.Project);
  EXPECT_EQ(model.txtMargin, (std::array<std::string, 4>{"0.5", "1.25", "2", "-3"}));
  EXPECT_EQ(model.txtPen[1], "0.35");
  EXPECT_EQ(model.txtDecaThick, "0.2");
  EXPECT_EQ(model.NumSecText(), "3");
  EXPECT_EQ(model.txtNumLines, "64");
  EXPECT_THAT(model.txtComp, Each(std::string("0")));
  EXPECT_TRUE(model.chkBorder);
  EXPECT_EQ(model.font.name, "DejaVu Sans");
  EXPECT_EQ(model.font.pointSize, 9);
  EXPECT_TRUE(model.font.bold);
  EXPECT_FALSE(model.font.italic);
  EXPECT_EQ(model.CurrentTab(), 0);
}

TEST_F(PropertiesTest, TextThatIsNoNumberSavesZero) {
  state.Project.Margin[0] = 7;
  model.Load(state.Project);
  model.txtMargin[0] = "abc";
  model.txtMargin[2] = "12.5cm";
  ASSERT_TRUE(model.Ok(state, dialogs));
  EXPECT_EQ(Stored().Margin[0], 0.0f);
  EXPECT_EQ(Stored().Margin[2], 12.5f);
}

TEST_F(PropertiesTest, WholeNumbersRoundHalvesToEven) {
  model.txtNumLines = "2.5";
  ASSERT_TRUE(model.Ok(state, dialogs));
  EXPECT_EQ(Stored().NumLines, 2);
  model.txtNumLines = "3.5";
  ASSERT_TRUE(model.Ok(state, dialogs));
  EXPECT_EQ(Stored().NumLines, 4);
  model.font.pointSize = 11.5;
  ASSERT_TRUE(model.Ok(state, dialogs));
  EXPECT_EQ(Stored().Font.Size, 12);
}

TEST_F(PropertiesTest, DisabledStrippingWidthIsStillSaved) {
  model.SelectDeca(1);
  EXPECT_TRUE(model.DecaThickEnabled());
  model.txtDecaThick = "0.3";
  model.SelectDeca(0);
  EXPECT_FALSE(model.DecaThickEnabled());
  ASSERT_TRUE(model.Ok(state, dialogs));
  EXPECT_EQ(Stored().DecaMethod, 0);
  EXPECT_EQ(Stored().DecaThick, 0.3f);
}

// The fields the dialog's own test does not reach through its controls.
TEST_F(PropertiesTest, EveryControlReachesItsField) {
  model.txtLeft = "  Main road ";
  model.txtCenter = "Km 0 - 2";
  model.txtRight = "Sheet";
  model.chkBorder = false;
  model.font = {"DejaVu Sans", 9, true, true};
  model.txtThick = {"0.2", "0.15", "0", "0", "0"};
  ASSERT_TRUE(model.Ok(state, dialogs));
  const ProjectRecord stored = Stored();
  EXPECT_EQ(stored, state.Project);
  EXPECT_EQ(stored.TitleLeft, "Main road");
  EXPECT_EQ(stored.TitleCenter + "|" + stored.TitleRight, "Km 0 - 2|Sheet");
  EXPECT_EQ(stored.DrawBorder, 0);
  EXPECT_EQ(stored.Font, (ProjectFont{"DejaVu Sans", 9, -1, -1}));
  EXPECT_EQ(stored.Thickness[1], 0.15f);
}

TEST_F(PropertiesTest, SliderStaysBetweenOneAndTen) {
  model.SetSectionsPerSheet(0);
  EXPECT_EQ(model.NumSecText(), "1");
  model.SetSectionsPerSheet(11);
  EXPECT_EQ(model.NumSecText(), "10");
}

TEST_F(PropertiesTest, ValuesTheRecordCannotHoldAreRefusedBeforeAnythingIsWritten) {
  struct Case {
    const char* name;
    std::function<void(ProjectPropertiesModel&)> change;
    std::vector<const char*> said;
  };
  const Case cases[] = {
      {"lines per page beyond 16 bits",
       [](auto& m) { m.txtNumLines = "40000"; },
       {"40000", "-32768 to 32767"}},
      {"margin beyond single precision",
       [](auto& m) { m.txtMargin[1] = "1e39"; },
       {"Bottom Margin"}},
      {"title too long for the record", [](auto& m) { m.txtLeft = std::string(101, 'x'); }, {}},
  };
  const auto before = ReadBytes(ProjectPath());
  const ProjectRecord inMemory = state.Project;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    model.Load(state.Project);
    model.txtCenter = "changed";
    c.change(model);
    ScriptedDialogs shown;
    shown.ExpectAnyMessage();
    EXPECT_FALSE(model.Ok(state, shown));
    ASSERT_EQ(shown.Log().size(), 1u);
    for (const char* part : c.said) {
      EXPECT_THAT(shown.Log()[0], HasSubstr(part));
    }
    EXPECT_EQ(ReadBytes(ProjectPath()), before);
    EXPECT_EQ(state.Project, inMemory);
  }
}

class PropertiesWithFilesTest : public PropertiesTest {
 protected:
  PropertiesWithFilesTest() {
    state.Project.DataFile = "  " + MakeFile("ROAD.DAT", 190 * 6) + " ";
    state.Project.VariantFile = MakeFile("ROAD.VAR", 488 * 4);
    state.Project.AlignFile = MakeFile("ROAD.CRV", 20 * 5);
    OpenWorkingFiles(state, dialogs);
    EXPECT_TRUE(SaveProjectRecord(state, dialogs));
    state.Data.Current = 5;
    state.Var.Current = 3;
    state.Align.Current = 2;
    model.Load(state.Project);
  }
};

TEST_F(PropertiesWithFilesTest, OkWithoutChangeRewritesTheSameRecordAndReopensNothing) {
  EXPECT_EQ(model.txtDatFile, (folder / "ROAD.DAT").string());
  ASSERT_TRUE(model.Ok(state, dialogs));
  EXPECT_EQ(Stored(), state.Project);
  EXPECT_EQ(Stored().DataFile, (folder / "ROAD.DAT").string());
  EXPECT_EQ(state.Data.Current, 5);
  EXPECT_EQ(state.Var.Current, 3);
  EXPECT_EQ(state.Align.Current, 2);
}

TEST_F(PropertiesWithFilesTest, ChangingOnlyTheDataFileReopensOnlyIt) {
  model.txtDatFile = MakeFile("OTHER.DAT", 190 * 2);
  ASSERT_TRUE(model.Ok(state, dialogs));
  EXPECT_EQ(state.Data.Count(), 2);
  EXPECT_EQ(state.Data.Current, 1);
  EXPECT_EQ(state.Var.Current, 3);
  EXPECT_EQ(state.Align.Current, 2);
  EXPECT_EQ(Stored().DataFile, (folder / "OTHER.DAT").string());
}

TEST_F(PropertiesWithFilesTest, MissingNewFileIsOfferedForCreation) {
  model.txtAlignFile = (folder / "NEW.CRV").string();
  dialogs.ExpectYesNo("Alignment file not found.Create New ?", false);
  ASSERT_TRUE(model.Ok(state, dialogs));
  EXPECT_FALSE(state.Align.Loaded());
  EXPECT_EQ(Stored().AlignFile, (folder / "NEW.CRV").string());
  EXPECT_EQ(state.Data.Current, 5);
}

}  // namespace
}  // namespace calvora
