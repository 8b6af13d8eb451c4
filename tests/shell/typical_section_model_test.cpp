// The typical cross-section editor: paging and the new-record flow, line and ditch changes at
// the clicked offset, the dialogs' readings, deleting a record and assigning one to sections,
// each save checked in the bytes of the typical cross-section file.

#include "shell/typical_section_model.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>

#include "records/record_file.h"
#include "section/section_areas.h"
#include "section/section_engine.h"
#include "support/record_bytes.h"
#include "support/road_project.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using testing::Bytes;
using Texts = std::map<std::string, std::string>;

// The dialogs as a person fills them: the texts typed, then OK until it closes or Cancel.
struct ScriptedForms : TemplateDialogs {
  std::deque<std::optional<Texts>> answers;  // nullopt: Cancel
  UserDialogs* dialogs = nullptr;
  std::function<void(SectionRangeModel&)> range;

  void ShowForm(TemplateForm& form) override {
    ASSERT_FALSE(answers.empty()) << form.ObjectName();
    const std::optional<Texts> typed = answers.front();
    answers.pop_front();
    if (!typed) {
      form.Cancel();
      return;
    }
    for (const auto& [name, text] : *typed) {
      form.Text(name) = text;
    }
    if (!form.Ok(*dialogs)) {
      form.Cancel();  // the person gives up after the message
    }
  }
  void ShowRange(SectionRangeModel& model) override { range(model); }
};

// Right side: (2, 0), (5, -0.1), (7, -0.5); left the same mirrored; a cut ditch a side.
VariantRecord ThreeLines() {
  return testing::MakeVariant({{2, 0}, {5, -0.1}, {7, -0.5}}, 0.5, {{1, -0.5}, {2, 0}});
}

struct Editor {
  testing::Road road;
  testing::ScriptedDialogs dialogs;
  ScriptedForms forms;
  TypicalSectionModel model{road.state, dialogs, forms};

  explicit Editor(std::vector<VariantRecord> variants = {ThreeLines()})
      : road([&] {
          testing::RoadRecords records = testing::TwoLaneRoad({99.5, 99.5, 99.5});
          records.variants = std::move(variants);
          return records;
        }()) {
    forms.dialogs = &dialogs;
    model.Open();
  }
  void Save() {
    dialogs.ExpectYesNo("Save changes to file?", true);
    EXPECT_TRUE(model.Save());
  }
  Bytes Disk() const { return testing::ReadBytes(road.File(".VAR")); }
  // Point(k, column) of record n as stored.
  float PointOf(int k, int column, int n = 1) const {
    return testing::FloatAt(
        Disk(), std::size_t(n - 1) * 488 + std::size_t(column) * 84 + std::size_t(k + 10) * 4);
  }
  float CountOf(int side) const { return testing::FloatAt(Disk(), std::size_t(172 + 4 * side)); }
  std::vector<std::pair<float, float>> Right() const {
    std::vector<std::pair<float, float>> points;
    for (int k = 1; k <= 10; ++k) {
      points.emplace_back(PointOf(k, 0), PointOf(k, 1));
    }
    return points;
  }
};

TEST(TypicalSectionModel, PagingAndTheNewRecordKeepTheShownContentUntilChangedAndSaved) {
  Editor e({ThreeLines(), testing::MakeVariant({{3, 0}}, 1)});
  EXPECT_EQ(e.model.RecordText(), "Record: 1 of 2");
  e.model.Press(EditorKey::Prev, {});
  EXPECT_EQ(e.model.Current(), 1) << "Prev on the first record stays";
  e.model.Press(EditorKey::Last, {});
  e.dialogs.ExpectYesNo("New Typical Cross Section ?", false);
  e.model.Press(EditorKey::Next, {});
  EXPECT_EQ(e.model.RecordText(), "Record: 2 of 2") << "No stays on the last record";
  e.dialogs.ExpectYesNo("New Typical Cross Section ?", true);
  e.model.Press(EditorKey::Next, {});
  EXPECT_EQ(e.model.RecordText(), "Record: 3 of 2");
  EXPECT_EQ(e.model.Record().Point(1, 0), 3.0f) << "the old content starts the new record";
  EXPECT_EQ(e.Disk().size(), 2u * 488) << "nothing written before a change";
  e.model.Click(1, 0);
  e.forms.answers.push_back(Texts{{"txtLenght", "1"}, {"txtSlope", "-0.02"}});
  e.model.EditLine();
  e.Save();
  ASSERT_EQ(e.Disk().size(), 3u * 488);
  EXPECT_EQ(e.PointOf(1, 0, 3), 1.0f);
  EXPECT_EQ(e.PointOf(1, 1, 3), -0.02f);
  EXPECT_EQ(e.PointOf(1, 0, 2), 3.0f) << "the record it started from is unchanged";
}

enum class LineOp { Insert, Edit, Delete };

struct LineCase {
  const char* what;
  VariantRecord start;
  double clickX;
  LineOp op;
  std::vector<std::optional<Texts>> typed;
  std::vector<std::pair<float, float>> right;  // Point(1..) afterwards, up to the count
  float rightCount;
  const char* message;  // "" when none
};

TEST(TypicalSectionModel, LineChangesAtTheClickKeepTheOuterShapeOrAreRefusedWithNothingChanged) {
  VariantRecord ten = testing::MakeVariant({}, 0.5);
  for (int k = 1; k <= 10; ++k) {
    ten.Point(k, 0) = float(k);
  }
  ten.LineCount[1] = 10;
  VariantRecord folded = ThreeLines();  // its second line runs back inwards
  folded.Point(2, 0) = 1;
  folded.Point(3, 0) = 0.5f;
  constexpr LineOp insert = LineOp::Insert, edit = LineOp::Edit, remove = LineOp::Delete;
  const Texts oneDown = {{"txtLenght", "-1"}, {"txtSlope", "-0.5"}};
  const LineCase cases[] = {
      {"insert before the middle line",
       ThreeLines(),
       3,
       insert,
       {oneDown},
       {{2, 0}, {3, -0.5f}, {6, -0.6f}, {8, -1}},
       4,
       ""},
      {"edit the middle line",
       ThreeLines(),
       3,
       edit,
       {Texts{{"txtLenght", "4"}, {"txtSlope", "0"}}},
       {{2, 0}, {6, 0}, {8, -0.4f}},
       3,
       ""},
      {"delete the middle line", ThreeLines(), 3, remove, {}, {{2, 0}, {4, -0.4f}, {0, 0}}, 2, ""},
      {"delete the only line", testing::MakeVariant({{3, 0}}, 1), 1, remove, {}, {{0, 0}}, 0, ""},
      {"an eleventh line", ten, 4.5, insert, {oneDown}, {}, 10, "A side holds at most 10 lines."},
      {"a fold across the centre line",
       folded,
       0.7,
       edit,
       {Texts{{"txtLenght", "0.5"}, {"txtSlope", "0"}}},
       {{2, 0}, {1, -0.1f}, {0.5f, -0.5f}},
       3,
       "The template would fold back across the centre line."},
      {"a length that is no number",
       ThreeLines(),
       3,
       edit,
       {Texts{{"txtLenght", "4,5"}, {"txtSlope", "0"}}},
       {{2, 0}, {5, -0.1f}, {7, -0.5f}},
       3,
       "Lenght: 4,5 is not a number."},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.what);
    Editor e({c.start});
    e.model.Click(c.clickX, 0);
    e.forms.answers.assign(c.typed.begin(), c.typed.end());
    if (c.op == LineOp::Delete) {
      e.dialogs.ExpectYesNo("Delete this line?", true);
    }
    if (*c.message != '\0') {
      e.dialogs.ExpectMessage(c.message);
    }
    c.op == LineOp::Insert ? e.model.InsertLine()
    : c.op == LineOp::Edit ? e.model.EditLine()
                           : e.model.DeleteLine();
    ASSERT_EQ(e.model.Dirty(), *c.message == '\0');
    if (e.model.Dirty()) {
      e.Save();
    }
    EXPECT_EQ(e.CountOf(1), c.rightCount);
    for (std::size_t k = 0; k < c.right.size(); ++k) {
      EXPECT_EQ(std::make_pair(e.PointOf(int(k) + 1, 0), e.PointOf(int(k) + 1, 1)), c.right[k])
          << "vertex " << k + 1;
    }
    EXPECT_EQ(e.CountOf(-1), c.start.LineCount[-1]) << "the other side is unchanged";
    EXPECT_TRUE(e.dialogs.Done());
  }
}

TEST(TypicalSectionModel, ToolTipsShowTheLineOrTheDitchUnderThePointer) {
  Editor e;
  const std::pair<double, const char*> cases[] = {
      {3, "L= 3  S= -.033"},
      {-3, "L= 3  S= -.033"},
      {0, "L= 2  S= 0"},
      {7.5, "D= .5  W= 0  S= .5  S0= .5"},
      {9.5, ""},
  };
  for (const auto& [x, tip] : cases) {
    EXPECT_EQ(e.model.ToolTipAt(x), tip) << x;
  }
  const VariantRecord wall = testing::MakeVariant({{2, 0}, {2, -0.5}}, 0.5);
  EXPECT_EQ(LineToolTip(wall, 2), "L= .5  S= 0") << "a vertical line shows its height";
}

struct DitchCase {
  const char* what;
  testing::OutwardPoints ditch;  // in cut, before
  int modeClicks;                // on panel "Tran" from "Ditch in cut"
  double clickX;
  std::optional<Texts> typed;  // nullopt: delete at the click instead
  const char* message;
  std::size_t table;  // offset of the table changed: 212 CutTran, 396 FillTran
  int low;            // its lowest index
  std::vector<std::pair<float, float>> rows;  // rows s, 2s, ... afterwards
  float rightRowSix;                          // was 9
};

TEST(TypicalSectionModel, DitchesAreBuiltFromTheirDialogOrDeletedBeyondTheLastLine) {
  const testing::OutwardPoints small = {{1, -0.5}, {2, 0}};
  const testing::OutwardPoints stepped = {{1, -.6}, {1.6, -.6}, {3.6, 1.4}, {5.1, 1.4}, {7.1, 3.4}};
  const Texts typed = {{"txtD", ".5"},   {"txtW", "1"},    {"txtS", ".5"},   {"txtS0", ".5"},
                       {"txtH(1)", "1"}, {"txtW(1)", "2"}, {"txtS(1)", "1"}, {"txtH(2)", "3"}};
  const Texts vee = {{"txtD", "1"}, {"txtW", "0"}, {"txtS", "1"}, {"txtS0", "1"}, {"txtH(1)", "0"}};
  Texts vertical = vee;
  vertical["txtS0"] = "0";
  const DitchCase cases[] = {
      {"cut, stepped, right",
       small,
       0,
       7.5,
       typed,
       "",
       212,
       -11,
       {{1, -.5f}, {2, -.5f}, {4, .5f}, {6, .5f}, {9, 3.5f}, {0, 0}},
       0},
      {"OK alone keeps a stepped ditch",
       stepped,
       0,
       7.5,
       Texts{},
       "",
       212,
       -11,
       {{1, -.6f}, {1.6f, -.6f}, {3.6f, 1.4f}, {5.1f, 1.4f}, {7.1f, 3.4f}, {0, 0}},
       0},
      {"cut, left, up to the template end",
       small,
       0,
       -7.5,
       vee,
       "",
       212,
       -11,
       {{-1, -1}, {-2, 0}, {0, 0}},
       9},
      {"fill", small, 1, 7.5, vee, "", 396, -5, {{1, -1}, {2, 0}, {0, 0}}, 9},
      {"a vertical inner side",
       small,
       0,
       7.5,
       vertical,
       "S0 = 0 would make the inner side of the ditch vertical.",
       212,
       -11,
       {{1, -.5f}, {2, 0}},
       9},
      {"none stores nothing", small, 2, 7.5, vee, "", 212, -11, {{1, -.5f}, {2, 0}}, 9},
      {"delete in cut", small, 0, 7.5, std::nullopt, "", 212, -11, {{0, -.5f}, {2, 0}}, 9},
      {"delete in fill leaves the cut ditch",
       small,
       1,
       7.5,
       std::nullopt,
       "",
       212,
       -11,
       {{1, -.5f}, {2, 0}},
       9},
  };
  for (const DitchCase& c : cases) {
    SCOPED_TRACE(c.what);
    VariantRecord start = ThreeLines();
    testing::SetRows(start.CutTran, 1, c.ditch);
    testing::SetRows(start.CutTran, -1, c.ditch);
    start.CutTran(6, 0) = 9;  // a row the engine would follow
    Editor e({start});
    for (int i = 0; i < c.modeClicks; ++i) {
      e.model.CycleDitchMode();
    }
    e.model.Click(c.clickX, 0);
    if (*c.message != '\0') {
      e.dialogs.ExpectMessage(c.message);
    }
    if (c.typed) {
      e.forms.answers.push_back(c.typed);
      e.model.EditLine();
    } else {
      e.dialogs.ExpectYesNo("Delete this line?", true);
      e.model.DeleteLine();
    }
    if (e.model.Dirty()) {
      e.Save();
    }
    const int s = c.clickX > 0 ? 1 : -1;
    const Bytes disk = e.Disk();
    const std::size_t rows = c.low == -11 ? 23 : 11;
    for (std::size_t k = 1; k <= c.rows.size(); ++k) {
      const std::size_t at = c.table + std::size_t(int(k) * s - c.low) * 4;
      EXPECT_EQ(std::make_pair(testing::FloatAt(disk, at), testing::FloatAt(disk, at + rows * 4)),
                c.rows[k - 1])
          << "row " << k;
    }
    EXPECT_EQ(testing::FloatAt(disk, 212 + 17 * 4), c.rightRowSix) << "row 6 of the cut ditch";
  }
}

TEST(TypicalSectionModel, SectionPropertiesShowTheRecordAndStoreTheLeadingNumbers) {
  VariantRecord start = ThreeLines();
  start.Deco = 0.25f;
  start.Limit[1] = 12;
  Editor e({start});
  struct Peek : TemplateDialogs {
    Texts shown;
    void ShowForm(TemplateForm& form) override {
      for (const FormField& field : form.Fields()) {
        shown[field.name] = field.text;
      }
      form.Cancel();
    }
    void ShowRange(SectionRangeModel&) override {}
  } peek;
  TypicalSectionModel looking(e.road.state, e.dialogs, peek);
  looking.EditSecProp();
  EXPECT_EQ(peek.shown, (Texts{{"txtLLimit", "0"},
                               {"txtLFillSlope", "0.5"},
                               {"txtRLimit", "12"},
                               {"txtRFillSlope", "0.5"},
                               {"txtDeco", "0.25"},
                               {"txtWall", "0"},
                               {"txtSubG", "0"}}));
  EXPECT_FALSE(looking.Dirty()) << "cancelled";
  e.forms.answers.push_back(Texts{{"txtLLimit", "-9"},
                                  {"txtLFillSlope", "0.4 m"},
                                  {"txtRLimit", "11"},
                                  {"txtRFillSlope", "x"},
                                  {"txtDeco", ".3"},
                                  {"txtWall", "15"},
                                  {"txtSubG", "0.6"}});
  e.model.Press(EditorKey::Properties, {});
  EXPECT_TRUE(e.model.Dirty()) << "the properties stay after the tool bar's button";
  e.Save();
  const Bytes disk = e.Disk();
  const std::pair<std::size_t, float> fields[] = {
      {200, -9.0f}, {188, 0.4f}, {208, 11.0f}, {196, 0.0f}, {180, 0.3f}, {184, 15.0f}, {484, 0.6f}};
  for (const auto& [at, value] : fields) {
    EXPECT_EQ(testing::FloatAt(disk, at), value) << at;
  }
}

TEST(TypicalSectionModel, DeletingARecordAsksOnAFileErrorAndLeavesTheOldFileOrTheNew) {
  for (const bool fails : {true, false}) {
    SCOPED_TRACE(fails);
    Editor e({ThreeLines(), testing::MakeVariant({{3, 0}}, 1)});
    const Bytes before = e.Disk();
    if (fails) {
      e.road.state.Var.File->SetFaultHook([](RebuildStep step) {
        if (step == RebuildStep::Rename) {
          throw FileError("ROAD.VAR", "disk full");
        }
      });
    }
    e.dialogs.ExpectYesNo("Delete current record?", true);
    if (fails) {
      e.dialogs.ExpectRetryCancel(false);
    }
    e.model.Press(EditorKey::Delete, {});
    const Bytes after = e.Disk();
    EXPECT_EQ(after, fails ? before : Bytes(before.begin() + 488, before.end()));
    EXPECT_TRUE(e.dialogs.Done());
  }
}

TEST(TypicalSectionModel, FindShowsARecordAndAssignWritesItIntoAStationRange) {
  Editor e({ThreeLines(), testing::MakeVariant({{3, 0}}, 1)});
  e.dialogs.ExpectInput("Typical cross section number:", "Find", "1", "3");
  e.dialogs.ExpectMessage("Typical cross section not found.");
  e.model.Press(EditorKey::Find, {});
  e.dialogs.ExpectInput("Typical cross section number:", "Find", "1", "2");
  e.model.Press(EditorKey::Find, {});
  EXPECT_EQ(e.model.RecordText(), "Record: 2 of 2");
  e.forms.range = [&](SectionRangeModel& range) {
    range.Choose(FindSectionModel::kByStation);
    range.txtFromStaKm = "0";
    range.txtFromStaMet = "10";
    range.txtToStaKm = "0";
    range.txtToStaMet = "40";
    range.Ok(e.road.state, e.dialogs);
  };
  for (const bool yes : {false, true}) {
    e.dialogs.ExpectYesNo(
        "Typical cross section 2 will be written into 2 sections. This cannot be undone. "
        "Continue ?",
        yes);
    e.model.Press(EditorKey::Assign, {});
    const Bytes data = testing::ReadBytes(e.road.File(".DAT"));
    for (int n = 1; n <= 3; ++n) {
      EXPECT_EQ(testing::Int16At(data, std::size_t(n - 1) * 190 + 20), yes && n > 1 ? 2 : 1)
          << "section " << n << (yes ? " after Yes" : " after No");
    }
  }
}

TEST(TypicalSectionModel, AnEditedDitchIsTheDitchTheEnginePlacesOnTheGround) {
  // Two 3.5 m lanes 0.5 m below flat ground; a ditch 0.5 deep, 1 wide, sides 1:2, the outer
  // side carried on to the ground. A side's cut: lane 3.5 x 0.5 = 1.75, the inner side
  // (0.5 + 1) / 2 x 1 = 0.75, the bottom 1 x 1 = 1, the outer side 1 / 2 x 2 = 1: 4.5, so 9 m2.
  Editor e({testing::MakeVariant({{3.5, 0}}, 0.5)});
  for (const double x : {5.0, -5.0}) {
    e.model.Click(x, 0);
    e.forms.answers.push_back(
        Texts{{"txtD", "0.5"}, {"txtW", "1"}, {"txtS", "0.5"}, {"txtS0", "0.5"}});
    e.model.EditLine();
  }
  SectionEngine engine;
  engine.ComputeSection(e.road.state, 1);
  EXPECT_EQ(e.model.Record().CutTran(1, 0), 1.0f) << "computing leaves the unsaved buffer";
  e.Save();
  engine.ComputeSection(e.road.state, 1);
  const SectionAreas areas = ComputeSectionAreas(engine.Results());
  EXPECT_EQ(areas.CutArea, 9.0);
  EXPECT_EQ(areas.FillArea, 0.0);
  EXPECT_FLOAT_EQ(engine.Results().CatchPoint[1].x, 7.5);
  EXPECT_FLOAT_EQ(engine.Results().CatchPoint[-1].x, -7.5);
}

}  // namespace
}  // namespace calvora
