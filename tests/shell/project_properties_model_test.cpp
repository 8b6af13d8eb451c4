// The project properties dialog's behaviour: what it shows, what OK writes and reopens.

#include "shell/project_properties_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "records/record_file.h"
#include "project/project_commands.h"
#include "project/working_files.h"
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

TEST_F(PropertiesTest, NewProjectShowsItsDefaults) {
  EXPECT_EQ(model.txtDatFile, "");
  EXPECT_EQ(model.txtVarFile, "");
  EXPECT_EQ(model.txtAlignFile, "");
  EXPECT_EQ(model.txtLeft + model.txtCenter + model.txtRight, "");
  EXPECT_EQ(model.SectionsPerSheet(), 2);
  EXPECT_EQ(model.NumSecText(), "2");
  EXPECT_TRUE(model.chkBorder);
  EXPECT_EQ(model.font.name, "Courier New");
  EXPECT_EQ(model.font.pointSize, 10);
  EXPECT_FALSE(model.font.bold);
  EXPECT_FALSE(model.font.italic);
  EXPECT_EQ(model.txtNumLines, "64");
  EXPECT_THAT(model.txtComp, Each(std::string("0")));
  EXPECT_THAT(model.txtThick, Each(std::string("0")));
  EXPECT_EQ(model.CurrentTab(), 0);
  for (int tab = 1; tab < ProjectPropertiesModel::kTabCount; ++tab) {
    EXPECT_FALSE(model.FrameVisible(tab));
  }
}

TEST_F(PropertiesTest, NumbersShowInTheirShortestForm) {
  state.Project.Margin = {0.5f, 1.25f, 2.0f, -3.0f};
  state.Project.Pen[1] = 0.35f;
  state.Project.DecaThick = 0.2f;
  model.Load(state.Project);
  EXPECT_EQ(model.txtMargin[0], "0.5");
  EXPECT_EQ(model.txtMargin[1], "1.25");
  EXPECT_EQ(model.txtMargin[2], "2");
  EXPECT_EQ(model.txtMargin[3], "-3");
  EXPECT_EQ(model.txtPen[1], "0.35");
  EXPECT_EQ(model.txtDecaThick, "0.2");
}

TEST_F(PropertiesTest, TabsShowOneFrameEach) {
  const auto& tabs = ProjectPropertiesModel::Tabs();
  EXPECT_STREQ(tabs[0].caption, "Files");
  EXPECT_STREQ(tabs[5].toolTip, "Calculation method");
  EXPECT_STREQ(tabs[2].frame, "fraCross");
  model.SelectTab(3);
  for (int tab = 0; tab < ProjectPropertiesModel::kTabCount; ++tab) {
    EXPECT_EQ(model.FrameVisible(tab), tab == 3);
  }
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

TEST_F(PropertiesTest, EveryControlReachesItsField) {
  model.txtLeft = "  Main road ";
  model.txtCenter = "Km 0 - 2";
  model.txtRight = "Sheet";
  model.SetSectionsPerSheet(7);
  model.chkBorder = false;
  model.chkDatum = true;
  model.font = {"DejaVu Sans", 9, true, true};
  model.txtComp = {"95", "97", "0", "0", "0"};
  model.txtThick = {"0.2", "0.15", "0", "0", "0"};
  model.optCalcMethod = 1;
  model.txtPen = {"1", "2", "3", "4", "5"};
  model.txtMargin = {"1", "2", "3", "4"};
  ASSERT_TRUE(model.Ok(state, dialogs));
  const ProjectRecord stored = Stored();
  EXPECT_EQ(stored, state.Project);
  EXPECT_EQ(stored.TitleLeft, "Main road");
  EXPECT_EQ(stored.SectionsPerSheet, 7);
  EXPECT_EQ(stored.DrawBorder, 0);
  EXPECT_EQ(stored.DrawDatum, -1);
  EXPECT_EQ(stored.Font, (ProjectFont{"DejaVu Sans", 9, -1, -1}));
  EXPECT_EQ(stored.Compaction[1], 97.0f);
  EXPECT_EQ(stored.Thickness[0], 0.2f);
  EXPECT_EQ(stored.CalcMethod, 1);
  EXPECT_EQ(stored.Pen[4], 5.0f);
  EXPECT_EQ(stored.Margin[3], 4.0f);
}

TEST_F(PropertiesTest, SliderStaysBetweenOneAndTen) {
  model.SetSectionsPerSheet(0);
  EXPECT_EQ(model.NumSecText(), "1");
  model.SetSectionsPerSheet(11);
  EXPECT_EQ(model.NumSecText(), "10");
}

TEST_F(PropertiesTest, LinesPerPageBeyondInt16AreRefusedBeforeAnythingIsWritten) {
  const auto before = ReadBytes(ProjectPath());
  const ProjectRecord inMemory = state.Project;
  model.txtLeft = "changed";
  model.txtNumLines = "40000";
  dialogs.ExpectAnyMessage();
  EXPECT_FALSE(model.Ok(state, dialogs));
  ASSERT_EQ(dialogs.Log().size(), 1u);
  EXPECT_THAT(dialogs.Log()[0], HasSubstr("40000"));
  EXPECT_THAT(dialogs.Log()[0], HasSubstr("-32768 to 32767"));
  EXPECT_EQ(ReadBytes(ProjectPath()), before);
  EXPECT_EQ(state.Project, inMemory);
}

TEST_F(PropertiesTest, NumberBeyondSinglePrecisionIsRefused) {
  const auto before = ReadBytes(ProjectPath());
  model.txtMargin[1] = "1e39";
  dialogs.ExpectAnyMessage();
  EXPECT_FALSE(model.Ok(state, dialogs));
  EXPECT_THAT(dialogs.Log()[0], HasSubstr("Bottom Margin"));
  EXPECT_EQ(ReadBytes(ProjectPath()), before);
}

TEST_F(PropertiesTest, TitleTooLongForTheRecordIsRefusedAndMemoryKept) {
  const auto before = ReadBytes(ProjectPath());
  const ProjectRecord inMemory = state.Project;
  model.txtLeft = std::string(101, 'x');
  dialogs.ExpectAnyMessage();
  EXPECT_FALSE(model.Ok(state, dialogs));
  EXPECT_EQ(ReadBytes(ProjectPath()), before);
  EXPECT_EQ(state.Project, inMemory);
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
