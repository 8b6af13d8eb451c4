// The section data editor: paging, saving, appending, inserting and deleting sections, each
// change checked in the bytes of the data file.

#include "shell/data_editor_model.h"

#include <gtest/gtest.h>

#include <vector>

#include "records/record_file.h"
#include "support/record_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::Bytes;
using testing::FloatAt;
using testing::Int16At;
using testing::ScriptedDialogs;

constexpr std::size_t kLength = SectionRecord::kLength;

SectionRecord Section(std::int16_t kilo, float meter = 0, int left = 0) {
  SectionRecord s;
  s.Kilo = kilo;
  s.Meter = meter;
  s.Var = 1;
  s.PointCount[-1] = static_cast<std::int16_t>(-left);
  for (int i = 1; i <= left; ++i) {
    s.GroundPoints(-i, 0) = -2.0f * float(i);
    s.GroundPoints(-i, 1) = 100.0f + float(i);
  }
  return s;
}

struct Editor {
  testing::TempFolder folder;
  ScriptedDialogs dialogs;
  ProjectState state;
  DataEditorModel model{state, dialogs};

  explicit Editor(const std::vector<SectionRecord>& sections) {
    Bytes bytes(sections.size() * kLength);
    for (std::size_t i = 0; i < sections.size(); ++i) {
      EncodeRecord(sections[i], std::span(bytes).subspan(i * kLength, kLength));
    }
    testing::WriteBytes(folder / "ROAD.DAT", bytes);
    state.Data.FileName = "ROAD.DAT";
    state.Data.File.emplace(folder / "ROAD.DAT", kLength);
  }
  Bytes Disk() const { return testing::ReadBytes(folder / "ROAD.DAT"); }
  // Field (offset) of record n on disk.
  float FloatOf(int n, std::size_t offset) const {
    return FloatAt(Disk(), (n - 1) * kLength + offset);
  }
  std::int16_t Int16Of(int n, std::size_t offset) const {
    return Int16At(Disk(), (n - 1) * kLength + offset);
  }
  void Press(EditorKey key) { model.Press(key, {}); }
};

// Offsets in the record: the distance and the elevation of ground point i.
std::size_t DistanceAt(int i) {
  return 22 + 4 * std::size_t(i + 10);
}
std::size_t ElevationAt(int i) {
  return 22 + 4 * std::size_t(i + 10 + 21);
}

TEST(DataEditorModel, PagesThroughTheFileAndOffersNewSections) {
  struct Case {
    const char* name;
    int sections;
    int from;
    EditorKey key;
    std::vector<bool> newAnswers;  // "New Section ?" asked once per answer
    int current;
    const char* kilo;
  };
  const Case cases[] = {
      {"prev on the first stays", 3, 1, EditorKey::Prev, {}, 1, "1"},
      {"next past the last, yes", 3, 3, EditorKey::Next, {true}, 4, ""},
      {"next past the last, no", 3, 3, EditorKey::Next, {false}, 3, "3"},
      {"last", 3, 1, EditorKey::Last, {}, 3, "3"},
      {"first", 3, 3, EditorKey::First, {}, 1, "1"},
      {"next on an empty file, no", 0, 0, EditorKey::Next, {false}, 0, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<SectionRecord> sections;
    for (int k = 1; k <= c.sections; ++k) {
      sections.push_back(Section(std::int16_t(k)));
    }
    Editor e(sections);
    e.state.Data.Current = c.from;
    for (const bool yes : c.newAnswers) {
      e.dialogs.ExpectYesNo("New Section ?", yes);
    }
    e.Press(c.key);
    EXPECT_EQ(e.model.Current(), c.current);
    EXPECT_EQ(e.model.Text(SectionField::Kilo), c.kilo);
    EXPECT_EQ(e.model.PositionText(), "Section No. " + std::to_string(c.current) + " of " +
                                          std::to_string(c.sections) + " ");
  }
}

TEST(DataEditorModel, EmptyFileWritesTheFirstSectionWhateverTheAnswerToNewSection) {
  for (const bool yes : {true, false}) {
    Editor e({});
    e.dialogs.ExpectYesNo("New Section ?", yes);
    e.model.Open();
    EXPECT_EQ(e.model.PositionText(), yes ? "Section No. 1 of 0 " : "Section No. 0 of 0 ");
    e.model.Type(SectionField::Kilo, "7");
    e.dialogs.ExpectYesNo("Save changes ?", true);
    EXPECT_TRUE(e.model.SaveSection());
    ASSERT_EQ(e.Disk().size(), kLength);
    EXPECT_EQ(e.Int16Of(1, 0), 7);
    EXPECT_EQ(e.model.Current(), 1);
  }
}

// What typing a field leaves on disk once saved, and how it shows again.
TEST(DataEditorModel, SavesTypedFieldsAsTheRecordLaysThemOut) {
  struct Case {
    const char* name;
    SectionField field;
    const char* text;
    std::size_t offset;
    bool isFloat;
    double stored;
    const char* shownAgain;
  };
  const Case cases[] = {
      {"kilometre 2.5 rounds to even", SectionField::Kilo, "2.5", 0, false, 2, "2"},
      {"kilometre 3.5 rounds to even", SectionField::Kilo, "3.5", 0, false, 4, "4"},
      {"metres", SectionField::Meter, " 12.3m", 2, true, 12.3f, "12.3"},
      {"variant", SectionField::Var, "4", 20, false, 4, "4"},
      {"twelve left points become nine", SectionField::Left, "12", 14, false, -9, "9"},
      {"a negative count is none", SectionField::Left, "-3", 14, false, 0, "0"},
      {"right points", SectionField::Right, "2", 18, false, 2, "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Editor e({Section(1, 0, 3)});
    e.model.Open();
    e.model.Type(c.field, c.text);
    e.dialogs.ExpectYesNo("Save changes ?", true);
    e.Press(EditorKey::First);
    EXPECT_EQ(c.isFloat ? e.FloatOf(1, c.offset) : e.Int16Of(1, c.offset), c.stored);
    EXPECT_EQ(e.model.Text(c.field), c.shownAgain);
    EXPECT_FALSE(e.model.Dirty());
  }
}

TEST(DataEditorModel, LeftDistancesAreStoredNegativeAndPointsBeyondTheCountsKept) {
  Editor e({Section(1, 0, 3)});
  e.model.Open();
  EXPECT_EQ(e.model.Row(-1, 0).distance, "2");  // stored -2
  e.model.Type(SectionField::Left, "1");
  e.model.TypePoint(-1, 0, false, "5");
  e.model.Type(SectionField::Right, "1");
  e.model.TypePoint(1, 0, false, "0");
  e.model.TypePoint(1, 0, true, "99.5");
  e.dialogs.ExpectYesNo("Save changes ?", true);
  EXPECT_TRUE(e.model.SaveSection());
  EXPECT_EQ(e.FloatOf(1, DistanceAt(-1)), -5.0f);
  EXPECT_EQ(e.Disk()[DistanceAt(1) + 3], 0) << "a zero distance is stored as +0";
  EXPECT_EQ(e.FloatOf(1, ElevationAt(1)), 99.5f);
  EXPECT_EQ(e.FloatOf(1, DistanceAt(-3)), -6.0f) << "beyond the count: as the buffer held it";
  EXPECT_EQ(e.Int16Of(1, 14), -1);
  e.model.LoadSection();
  EXPECT_EQ(e.model.Row(-1, 0).distance, "5");
  EXPECT_FALSE(e.model.Row(-1, 1).visible);
}

TEST(DataEditorModel, PointCountsShowAndHideRows) {
  const std::pair<const char*, int> cases[] = {{"12", 9}, {"0", 0}, {"-3", 0}, {"3", 3}, {"x", 0}};
  for (const auto& [text, rows] : cases) {
    SCOPED_TRACE(text);
    Editor e({Section(1, 0, 9)});
    e.model.Open();
    e.model.Type(SectionField::Left, text);
    for (int k = 0; k < DataEditorModel::kRows; ++k) {
      EXPECT_EQ(e.model.Row(-1, k).visible, k < rows) << k;
      EXPECT_EQ(e.model.Row(-1, k).distance.empty(), k >= rows) << k;
    }
    EXPECT_TRUE(e.model.Dirty());
  }
}

TEST(DataEditorModel, NothingIsAskedOrWrittenWithoutAYes) {
  Editor e({Section(1), Section(2)});
  const Bytes before = e.Disk();
  e.model.Open();
  e.Press(EditorKey::Next);  // no change: nothing asked
  e.model.Type(SectionField::Meter, "50");
  e.dialogs.ExpectYesNo("Save changes ?", false);
  e.Press(EditorKey::First);
  EXPECT_EQ(e.model.Text(SectionField::Meter), "0");
  EXPECT_EQ(e.Disk(), before);
}

TEST(DataEditorModel, RefusesNumbersTheRecordCannotHoldBeforeWriting) {
  struct Case {
    SectionField field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {SectionField::Kilo, "40000",
       "KM: 40000 cannot be stored; enter a whole number from -32768 to 32767."},
      {SectionField::Var, "-32769",
       "Variant Number: -32769 cannot be stored; enter a whole number from -32768 to 32767."},
      {SectionField::GRElev, "1e39", "Ground Elevation: 1e39 is too large to be stored."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Editor e({Section(1), Section(2)});
    const Bytes before = e.Disk();
    e.model.Open();
    e.model.Type(c.field, c.text);
    e.dialogs.ExpectYesNo("Save changes ?", true).ExpectMessage(c.message);
    e.Press(EditorKey::Next);
    EXPECT_EQ(e.Disk(), before);
    EXPECT_EQ(e.model.Current(), 1) << "stays on the section to mend it";
    EXPECT_EQ(e.model.Text(c.field), c.text);
  }
}

TEST(DataEditorModel, InsertsAndDeletesThroughTheRebuiltFile) {
  struct Case {
    const char* name;
    int sections;
    int at;
    EditorKey key;
    std::vector<bool> newAnswers;
    std::vector<std::int16_t> kilosAfter;  // 0: the inserted empty section
    int current;
  };
  const Case cases[] = {
      {"insert at 1", 3, 1, EditorKey::Insert, {}, {0, 1, 2, 3}, 1},
      {"delete the second", 3, 2, EditorKey::Delete, {}, {1, 3}, 2},
      {"delete the last", 3, 3, EditorKey::Delete, {false}, {1, 2}, 2},
      {"delete the only", 1, 1, EditorKey::Delete, {true}, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<SectionRecord> sections;
    for (int k = 1; k <= c.sections; ++k) {
      sections.push_back(Section(std::int16_t(k), 0.5f * float(k)));
    }
    Editor e(sections);
    e.state.Data.Current = c.at;
    e.model.LoadSection();
    e.dialogs.ExpectYesNo(c.key == EditorKey::Insert ? "Insert a section in current position ?"
                                                     : "Delete current Section ?",
                          true);
    for (const bool yes : c.newAnswers) {
      e.dialogs.ExpectYesNo("New Section ?", yes);
    }
    e.Press(c.key);
    ASSERT_EQ(e.Disk().size(), c.kilosAfter.size() * kLength);
    for (std::size_t n = 0; n < c.kilosAfter.size(); ++n) {
      EXPECT_EQ(e.Int16Of(int(n) + 1, 0), c.kilosAfter[n]) << n;
      EXPECT_EQ(e.FloatOf(int(n) + 1, 2), 0.5f * c.kilosAfter[n]) << n;
    }
    EXPECT_EQ(e.model.Current(), c.current);
  }
}

// Around a rebuild that fails at any step, the data file is wholly the old one; Retry asks
// again and then makes the new one.
TEST(DataEditorModel, DataFileIsWholeAroundAFailedInsertOrDelete) {
  for (const EditorKey key : {EditorKey::Insert, EditorKey::Delete}) {
    for (const RebuildStep failing : {RebuildStep::CreateScratch, RebuildStep::CopyRecord,
                                      RebuildStep::Flush, RebuildStep::Rename}) {
      SCOPED_TRACE(int(failing));
      Editor e({Section(1), Section(2)});
      const Bytes before = e.Disk();
      e.state.Data.Current = 1;
      e.model.LoadSection();
      bool fail = true;
      e.state.Data.File->SetFaultHook([&](RebuildStep step) {
        if (fail && step == failing) {
          fail = false;
          throw FileError(e.folder / "ROAD.DAT", "Disk full");
        }
      });
      const char* question = key == EditorKey::Insert ? "Insert a section in current position ?"
                                                      : "Delete current Section ?";
      e.dialogs.ExpectYesNo(question, true).ExpectRetryCancel(false);
      e.Press(key);
      EXPECT_EQ(e.Disk(), before);
      e.dialogs.ExpectYesNo(question, true);
      e.Press(key);
      EXPECT_EQ(e.Disk().size(), (key == EditorKey::Insert ? 3 : 1) * kLength);
      EXPECT_EQ(e.Int16Of(1, 0), key == EditorKey::Insert ? 0 : 2);
    }
  }
}

TEST(DataEditorModel, FollowsAComputationThatRewritesTheFile) {
  Editor e({Section(1), Section(2)});
  e.state.Data.Current = 2;
  e.model.LoadSection();
  e.model.Type(SectionField::PRElev, "321");
  e.dialogs.ExpectYesNo("Save changes ?", true);
  e.model.BeforeRewrite();
  EXPECT_EQ(e.FloatOf(2, 6), 321.0f);
  WriteRecord(*e.state.Data.File, 2, Section(9));  // the computation's own pass
  e.state.Data.Current = 1;
  e.model.AfterRewrite();
  EXPECT_EQ(e.model.Current(), 2);
  EXPECT_EQ(e.model.Text(SectionField::Kilo), "9");
  EXPECT_FALSE(e.model.Dirty());
}

}  // namespace
}  // namespace calvora
