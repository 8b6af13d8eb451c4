// The alignment record editor: point codes and their parameters, paging, appending and saving,
// each change checked in the bytes of the alignment file (insert and delete are the section
// editor's, tested there).

#include "shell/alignment_editor_model.h"

#include <gtest/gtest.h>

#include "shell/loaded_file.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using testing::Bytes;

AlignmentRecord Point(int kilo, std::int16_t code = 1) {
  return {std::int16_t(kilo), 10.0f * float(kilo), code, 100.0f + float(kilo), 2.5f, 0.125f};
}

struct Editor : testing::LoadedFile<AlignmentRecord> {
  testing::ScriptedDialogs dialogs;
  AlignmentEditorModel model{state, dialogs};

  explicit Editor(int points, std::int16_t code = 1)
      : LoadedFile(&ProjectState::Align, "ROAD.CRV", {}) {
    for (int k = 1; k <= points; ++k) {
      WriteRecord(*file.File, k, Point(k, code));
    }
  }
  void SaveWithYes() {
    dialogs.ExpectYesNo("Save changes ?", true);
    EXPECT_TRUE(model.Save());
  }
};

TEST(AlignmentEditorModel, CodesShowTheirParametersAndCodeEightHidesTheStation) {
  const std::tuple<int, std::array<const char*, 3>, bool> cases[] = {
      {0, {"", "", ""}, true},
      {2, {"Radius:", "Lenght:", "Alpha:"}, true},
      {4, {"Elevation:", "Lenght:", ""}, true},
      {8, {"X:", "Y:", ""}, false},
      {10, {"Spiral parameter:", "Lenght:", "Alpha:"}, true},
  };
  for (const auto& [code, labels, station] : cases) {
    SCOPED_TRACE(code);
    Editor e(1);
    e.model.Open();
    e.model.ChooseCode(code);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(e.model.ParamLabel(i), labels[std::size_t(i)]);
      EXPECT_EQ(e.model.ParamVisible(i), *labels[std::size_t(i)] != '\0');
    }
    EXPECT_EQ(e.model.StationVisible(), station);
    e.SaveWithYes();
    EXPECT_EQ(e.Int16Of(1, 6), code);
    EXPECT_EQ(e.Int16Of(1, 0), station ? 1 : 0);
    EXPECT_EQ(e.FloatOf(1, 2), station ? 10.0f : 0.0f);
    EXPECT_EQ(e.FloatOf(1, 8), 101.0f) << "a parameter the code does not use keeps its value";
  }
}

TEST(AlignmentEditorModel, ACodeOutsideTheListIsShownEmptyAndKept) {
  Editor e(1, 42);
  e.model.Open();
  EXPECT_EQ(e.model.CodePosition(), std::nullopt);
  EXPECT_EQ(e.model.ParamLabel(2), "Param3:");
  EXPECT_EQ(e.model.Text(AlignmentField::Param3), "0.125");
  const Bytes before = e.Disk();
  e.model.Type(AlignmentField::Meter, "10");  // the value it had
  e.SaveWithYes();
  EXPECT_EQ(e.Disk(), before);
}

TEST(AlignmentEditorModel, SavesKilometresToTheirLimitAndRefusesWhatCannotBeStored) {
  Editor e(1);
  e.model.Open();
  e.model.Type(AlignmentField::Kilo, "-32768");
  e.SaveWithYes();
  EXPECT_EQ(e.Int16Of(1, 0), -32768);
  const Bytes before = e.Disk();
  e.model.Type(AlignmentField::Kilo, "32768");
  e.dialogs.ExpectYesNo("Save changes ?", true)
      .ExpectMessage("KM: 32768 cannot be stored; enter a whole number from -32768 to 32767.");
  EXPECT_FALSE(e.model.Press(EditorKey::Next, {}));
  EXPECT_EQ(e.Disk(), before);
}

TEST(AlignmentEditorModel, PagesAppendsAndDiscards) {
  Editor e(5);
  e.model.Open();
  e.model.Press(EditorKey::Prev, {});
  EXPECT_EQ(e.model.PositionText(), "Record No. 1 of 5 ");
  e.model.Type(AlignmentField::Param1, "7");
  e.dialogs.ExpectYesNo("Save changes ?", false);
  e.model.Press(EditorKey::Last, {});
  EXPECT_EQ(e.FloatOf(1, 8), 101.0f) << "No discards";
  e.dialogs.ExpectYesNo("New Record ?", true);
  e.model.Press(EditorKey::Next, {});
  EXPECT_EQ(e.model.PositionText(), "Record No. 6 of 5 ");
  EXPECT_EQ(e.model.Text(AlignmentField::Kilo), "");
  e.model.Type(AlignmentField::Kilo, "6");
  e.SaveWithYes();
  EXPECT_EQ(e.Kilos(), (std::vector<std::int16_t>{1, 2, 3, 4, 5, 6}));
}

TEST(AlignmentEditorModel, NewEmptyFileKeepsRecordZeroAndSavingWritesRecordOne) {
  Editor e(0);
  e.state.AlignRec = Point(5);
  e.dialogs.ExpectYesNo("New Record ?", false);
  e.model.Open();
  EXPECT_EQ(e.model.PositionText(), "Record No. 0 of 0 ");
  EXPECT_EQ(e.model.Text(AlignmentField::Kilo), "5") << "the shared buffer as it was";
  e.model.Type(AlignmentField::Kilo, "8");
  e.SaveWithYes();
  EXPECT_EQ(e.Kilos(), std::vector<std::int16_t>{8});
}

}  // namespace
}  // namespace calvora
