// The alignment record editor: codes and their parameters, paging, saving, inserting and
// deleting records, each change checked in the bytes of the alignment file.

#include "shell/alignment_editor_model.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/record_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::Bytes;
using testing::FloatAt;
using testing::Int16At;
using testing::ScriptedDialogs;

constexpr std::size_t kLength = AlignmentRecord::kLength;

AlignmentRecord Point(std::int16_t kilo, std::int16_t code = 1) {
  return {kilo, 10.0f * kilo, code, 100.0f + kilo, 2.5f, 0.125f};
}

struct Editor {
  testing::TempFolder folder;
  ScriptedDialogs dialogs;
  ProjectState state;
  AlignmentEditorModel model{state, dialogs};

  explicit Editor(const std::vector<AlignmentRecord>& points) {
    state.Align.FileName = "ROAD.CRV";
    state.Align.File.emplace(folder / "ROAD.CRV", kLength);
    for (std::size_t n = 0; n < points.size(); ++n) {
      WriteRecord(*state.Align.File, int(n) + 1, points[n]);
    }
  }
  Bytes Disk() const { return testing::ReadBytes(folder / "ROAD.CRV"); }
  std::int16_t Int16Of(int n, std::size_t offset) const {
    return Int16At(Disk(), (n - 1) * kLength + offset);
  }
  float FloatOf(int n, std::size_t offset) const {
    return FloatAt(Disk(), (n - 1) * kLength + offset);
  }
  void SaveWithYes() {
    dialogs.ExpectYesNo("Save changes ?", true);
    EXPECT_TRUE(model.SaveRecord());
  }
};

TEST(AlignmentEditorModel, CodesShowTheirParametersAndCodeEightHidesTheStation) {
  struct Case {
    int code;
    std::array<const char*, 3> labels;
    bool station;
  };
  const Case cases[] = {
      {0, {"", "", ""}, true},
      {2, {"Radius:", "Lenght:", "Alpha:"}, true},
      {4, {"Elevation:", "Lenght:", ""}, true},
      {8, {"X:", "Y:", ""}, false},
      {10, {"Spiral parameter:", "Lenght:", "Alpha:"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    Editor e({Point(3)});
    e.model.Open();
    e.model.ChooseCode(c.code);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(e.model.ParamLabel(i), c.labels[std::size_t(i)]);
      EXPECT_EQ(e.model.ParamVisible(i), *c.labels[std::size_t(i)] != '\0');
    }
    EXPECT_EQ(e.model.StationVisible(), c.station);
    EXPECT_TRUE(e.model.Changed());
    e.SaveWithYes();
    EXPECT_EQ(e.Int16Of(1, 6), c.code);
    EXPECT_EQ(e.Int16Of(1, 0), c.station ? 3 : 0);
    EXPECT_EQ(e.FloatOf(1, 2), c.station ? 30.0f : 0.0f);
    EXPECT_EQ(e.FloatOf(1, 8), 103.0f) << "a parameter the code does not use keeps its value";
  }
}

TEST(AlignmentEditorModel, ACodeOutsideTheListIsShownEmptyAndKept) {
  Editor e({Point(1, 42)});
  e.model.Open();
  EXPECT_EQ(e.model.CodePosition(), std::nullopt);
  EXPECT_EQ(e.model.ParamLabel(2), "Param3:");
  EXPECT_EQ(e.model.Text(AlignmentField::Param3), "0.125");
  EXPECT_FALSE(e.model.Changed());
  const Bytes before = e.Disk();
  e.model.Type(AlignmentField::Meter, "10");  // the value it had
  e.SaveWithYes();
  EXPECT_EQ(e.Disk(), before);
}

TEST(AlignmentEditorModel, SavesKilometresRoundedAndRefusesWhatCannotBeStored) {
  const std::pair<const char*, std::int16_t> kilos[] = {{"2.5", 2}, {"3.5", 4}, {"-32768", -32768}};
  for (const auto& [text, stored] : kilos) {
    Editor e({Point(1)});
    e.model.Open();
    e.model.Type(AlignmentField::Kilo, text);
    e.SaveWithYes();
    EXPECT_EQ(e.Int16Of(1, 0), stored) << text;
  }
  Editor e({Point(1)});
  const Bytes before = e.Disk();
  e.model.Open();
  e.model.Type(AlignmentField::Kilo, "32768");
  e.dialogs.ExpectYesNo("Save changes ?", true)
      .ExpectMessage("KM: 32768 cannot be stored; enter a whole number from -32768 to 32767.");
  EXPECT_FALSE(e.model.Press(EditorKey::Next, {}));
  EXPECT_EQ(e.Disk(), before);
}

TEST(AlignmentEditorModel, PagesAppendsAndDiscards) {
  std::vector<AlignmentRecord> five;
  for (std::int16_t k = 1; k <= 5; ++k) {
    five.push_back(Point(k));
  }
  Editor e(five);
  e.model.Open();
  e.model.Press(EditorKey::Prev, {});
  EXPECT_EQ(e.model.Caption(), "Record No. 1 of 5 ");
  e.model.Type(AlignmentField::Param1, "7");
  e.dialogs.ExpectYesNo("Save changes ?", false);
  e.model.Press(EditorKey::Last, {});
  EXPECT_EQ(e.FloatOf(1, 8), 101.0f) << "No discards";
  e.dialogs.ExpectYesNo("New Record ?", true);
  e.model.Press(EditorKey::Next, {});
  EXPECT_EQ(e.model.Caption(), "Record No. 6 of 5 ");
  EXPECT_EQ(e.model.Text(AlignmentField::Kilo), "");
  e.model.Type(AlignmentField::Kilo, "6");
  e.SaveWithYes();
  EXPECT_EQ(e.Disk().size(), 6 * kLength);
  EXPECT_EQ(e.Int16Of(6, 0), 6);
}

TEST(AlignmentEditorModel, NewEmptyFileKeepsRecordZeroAndSavingWritesRecordOne) {
  Editor e({});
  e.state.AlignRec = Point(5);
  e.dialogs.ExpectYesNo("New Record ?", false);
  e.model.Open();
  EXPECT_EQ(e.model.Caption(), "Record No. 0 of 0 ");
  EXPECT_EQ(e.model.Text(AlignmentField::Kilo), "5") << "the shared buffer as it was";
  e.model.Type(AlignmentField::Kilo, "8");
  e.SaveWithYes();
  EXPECT_EQ(e.Disk().size(), kLength);
  EXPECT_EQ(e.Int16Of(1, 0), 8);
}

TEST(AlignmentEditorModel, InsertsAndDeletes) {
  struct Case {
    const char* name;
    int records;
    int at;
    EditorKey key;
    std::vector<std::pair<const char*, bool>> questions;
    std::vector<std::int16_t> kilosAfter;
  };
  const Case cases[] = {
      {"insert at 1 of 3",
       3,
       1,
       EditorKey::Insert,
       {{"Insert a record in current position ?", true}},
       {0, 1, 2, 3}},
      {"insert at 3 of 5",
       5,
       3,
       EditorKey::Insert,
       {{"Insert a record in current position ?", true}},
       {1, 2, 0, 3, 4, 5}},
      {"delete 2 of 3", 3, 2, EditorKey::Delete, {{"Delete current record ?", true}}, {1, 3}},
      {"delete the only",
       1,
       1,
       EditorKey::Delete,
       {{"Delete current record ?", true}, {"New Record ?", false}},
       {}},
      {"no to delete", 2, 1, EditorKey::Delete, {{"Delete current record ?", false}}, {1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<AlignmentRecord> points;
    for (int k = 1; k <= c.records; ++k) {
      points.push_back(Point(std::int16_t(k)));
    }
    Editor e(points);
    e.state.Align.Current = c.at;
    e.model.LoadRecord();
    for (const auto& [question, yes] : c.questions) {
      e.dialogs.ExpectYesNo(question, yes);
    }
    e.model.Press(c.key, {});
    ASSERT_EQ(e.Disk().size(), c.kilosAfter.size() * kLength);
    for (std::size_t n = 0; n < c.kilosAfter.size(); ++n) {
      EXPECT_EQ(e.Int16Of(int(n) + 1, 0), c.kilosAfter[n]) << n;
    }
    EXPECT_FALSE(e.model.Changed());
  }
}

}  // namespace
}  // namespace calvora
