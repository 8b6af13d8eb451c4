// The section data editor: paging, saving, appending, inserting and deleting sections, each
// change checked in the bytes of the data file.

#include "shell/data_editor_model.h"

#include <gtest/gtest.h>

#include "shell/loaded_file.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using testing::Bytes;

constexpr const char* kInsert = "Insert a section in current position ?";
constexpr const char* kDelete = "Delete current Section ?";

// Section k at station k+(k/2), with `left` left points at 2, 4, 6 ... metres.
SectionRecord Section(int kilo, int left = 0) {
  SectionRecord s;
  s.Kilo = std::int16_t(kilo);
  s.Meter = 0.5f * float(kilo);
  s.PointCount[-1] = std::int16_t(-left);
  for (int i = 1; i <= left; ++i) {
    s.GroundPoints(-i, 0) = -2.0f * float(i);
    s.GroundPoints(-i, 1) = 100.0f + float(i);
  }
  return s;
}

std::vector<SectionRecord> Sections(int count) {
  std::vector<SectionRecord> sections;
  for (int k = 1; k <= count; ++k) {
    sections.push_back(Section(k));
  }
  return sections;
}

struct Editor : testing::LoadedFile<SectionRecord> {
  testing::ScriptedDialogs dialogs;
  DataEditorModel model{state, dialogs};

  explicit Editor(const std::vector<SectionRecord>& sections, int current = 1)
      : LoadedFile(&ProjectState::Data, "ROAD.DAT", sections) {
    file.Current = current;
    if (current <= int(sections.size())) {
      model.Load();
    }
  }
  void Press(EditorKey key) { model.Press(key, {}); }
};

// Offset in the record of the distance (column 0) or the elevation (1) of ground point i.
std::size_t PointAt(int i, int column) {
  return 22 + 4 * std::size_t(i + 10 + 21 * column);
}

TEST(DataEditorModel, PagesThroughTheFileAndOffersNewSections) {
  struct Case {
    int sections, from;
    EditorKey key;
    std::vector<bool> newAnswers;  // "New Section ?" asked once per answer
    int current;
    const char* kilo;
  };
  const Case cases[] = {
      {3, 1, EditorKey::Prev, {}, 1, "1"},      {3, 3, EditorKey::Next, {true}, 4, ""},
      {3, 3, EditorKey::Next, {false}, 3, "3"}, {3, 1, EditorKey::Last, {}, 3, "3"},
      {3, 3, EditorKey::First, {}, 1, "1"},     {0, 0, EditorKey::Next, {true}, 1, ""},
      {0, 0, EditorKey::Next, {false}, 0, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.from << " of " << c.sections << ", key " << int(c.key));
    Editor e(Sections(c.sections), c.from);
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

TEST(DataEditorModel, SavesTypedFieldsAsTheRecordLaysThemOut) {
  struct Case {
    SectionField field;
    const char* text;
    std::size_t offset;
    bool isFloat;
    double stored;
    const char* shownAgain;
  };
  const Case cases[] = {
      {SectionField::Kilo, "2.5", 0, false, 2, "2"},  // halves to even
      {SectionField::Meter, " 12.3m", 2, true, 12.3f, "12.3"},
      {SectionField::Left, "12", 14, false, -9, "9"},
      {SectionField::Left, "-3", 14, false, 0, "0"},  // a negative count is none
      {SectionField::Right, "2", 18, false, 2, "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Editor e({Section(1, 3)});
    e.model.Type(c.field, c.text);
    e.dialogs.ExpectYesNo("Save changes ?", true);
    e.Press(EditorKey::First);
    EXPECT_EQ(c.isFloat ? e.FloatOf(1, c.offset) : e.Int16Of(1, c.offset), c.stored);
    EXPECT_EQ(e.model.Text(c.field), c.shownAgain);
    EXPECT_FALSE(e.model.Dirty());
  }
}

TEST(DataEditorModel, LeftDistancesAreStoredNegativeAndPointsBeyondTheCountsKept) {
  Editor e({Section(1, 3)});
  EXPECT_EQ(e.model.Row(-1, 0).distance, "2");  // stored -2
  e.model.Type(SectionField::Left, "1");
  e.model.TypePoint(-1, 0, false, "5");
  e.model.Type(SectionField::Right, "1");
  e.model.TypePoint(1, 0, false, "0");
  e.model.TypePoint(1, 0, true, "99.5");
  e.dialogs.ExpectYesNo("Save changes ?", true);
  EXPECT_TRUE(e.model.Save());
  EXPECT_EQ(e.FloatOf(1, PointAt(-1, 0)), -5.0f);
  EXPECT_EQ(e.Disk()[PointAt(1, 0) + 3], 0) << "a zero distance is stored as +0";
  EXPECT_EQ(e.FloatOf(1, PointAt(1, 1)), 99.5f);
  EXPECT_EQ(e.FloatOf(1, PointAt(-3, 0)), -6.0f) << "beyond the count: as the buffer held it";
  EXPECT_EQ(e.Int16Of(1, 14), -1);
  e.model.Load();
  EXPECT_EQ(e.model.Row(-1, 0).distance, "5");
  EXPECT_FALSE(e.model.Row(-1, 1).visible);
}

TEST(DataEditorModel, RefusesNumbersTheRecordCannotHoldBeforeWriting) {
  const std::tuple<SectionField, const char*, const char*> cases[] = {
      {SectionField::Kilo, "40000",
       "KM: 40000 cannot be stored; enter a whole number from -32768 to 32767."},
      {SectionField::Var, "-32769",
       "Variant Number: -32769 cannot be stored; enter a whole number from -32768 to 32767."},
      {SectionField::GRElev, "1e39", "Ground Elevation: 1e39 is too large to be stored."},
  };
  for (const auto& [field, text, message] : cases) {
    SCOPED_TRACE(text);
    Editor e(Sections(2));
    const Bytes before = e.Disk();
    e.model.Type(field, text);
    e.dialogs.ExpectYesNo("Save changes ?", true).ExpectMessage(message);
    e.Press(EditorKey::Next);
    EXPECT_EQ(e.Disk(), before);
    EXPECT_EQ(e.model.Current(), 1) << "stays on the section to mend it";
    EXPECT_EQ(e.model.Text(field), text);
  }
}

// Each case first fails at one step of the rebuild and is cancelled: the data file is then
// wholly the old one. Asked again, it is made.
TEST(DataEditorModel, InsertsAndDeletesWholeFilesEvenWhenARebuildFails) {
  struct Case {
    int sections, at;
    EditorKey key;
    RebuildStep failing;
    std::vector<bool> newAnswers;
    std::vector<std::int16_t> kilosAfter;  // 0: the inserted empty section
    int current;
  };
  const Case cases[] = {
      {3, 1, EditorKey::Insert, RebuildStep::Rename, {}, {0, 1, 2, 3}, 1},
      {3, 2, EditorKey::Delete, RebuildStep::CopyRecord, {}, {1, 3}, 2},
      {3, 3, EditorKey::Delete, RebuildStep::Flush, {false}, {1, 2}, 2},     // the last
      {1, 1, EditorKey::Delete, RebuildStep::CreateScratch, {true}, {}, 1},  // the only one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << int(c.key) << " at " << c.at);
    Editor e(Sections(c.sections), c.at);
    const Bytes before = e.Disk();
    bool fail = true;
    e.file.File->SetFaultHook([&](RebuildStep step) {
      if (fail && step == c.failing) {
        fail = false;
        throw FileError(e.folder / "ROAD.DAT", "Disk full");
      }
    });
    const char* question = c.key == EditorKey::Insert ? kInsert : kDelete;
    e.dialogs.ExpectYesNo(question, true).ExpectRetryCancel(false);
    e.Press(c.key);
    EXPECT_EQ(e.Disk(), before);
    e.dialogs.ExpectYesNo(question, true);
    for (const bool yes : c.newAnswers) {
      e.dialogs.ExpectYesNo("New Section ?", yes);
    }
    e.Press(c.key);
    EXPECT_EQ(e.Kilos(), c.kilosAfter);
    for (std::size_t n = 0; n < c.kilosAfter.size(); ++n) {
      EXPECT_EQ(e.FloatOf(int(n) + 1, 2), 0.5f * c.kilosAfter[n]) << "whole records moved";
    }
    EXPECT_EQ(e.model.Current(), c.current);
  }
}

}  // namespace
}  // namespace calvora
