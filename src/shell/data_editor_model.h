#pragma once
// frmData without its widgets: one section of the survey data file in text fields, paged,
// changed, appended, inserted, deleted and found, every change confirmed before it is written.

#include <array>
#include <functional>
#include <string>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "records/section_record.h"
#include "shell/editor_keys.h"
#include "shell/find_section_model.h"

namespace calvora {

enum class SectionField { Kilo, Meter, Var, PRElev, GRElev, Left, Right };

struct SectionFieldControl {
  SectionField field;
  const char* name;   // objectName of the text box
  const char* label;  // the label shown before it
  const char* keyed;  // the label with its access key marked by "&"
};
// In the order of the window.
const std::array<SectionFieldControl, 7>& SectionFieldControls();

// One ground point row of a side: shown only while its point exists.
struct PointRow {
  std::string distance;
  std::string elevation;
  bool visible = false;
};

// The fields read into a record: the shown record with the typed numbers, or the message of the
// first field that cannot be stored.
struct TypedSection {
  SectionRecord record;
  std::string refusal;
};

class DataEditorModel {
 public:
  static constexpr int kRows = SectionRecord::kMaxPointsPerSide;
  // Shows the find dialog modally on the model given (its tag set to "Data-Find").
  using ShowFind = std::function<void(FindSectionModel&)>;

  DataEditorModel(ProjectState& state, UserDialogs& dialogs) : state_(state), dialogs_(dialogs) {}

  // Opening the window: section 1.
  void Open();
  // Shows section DataCurrent; beyond the last one asks "New Section ?".
  void LoadSection();
  // Writes the fields as section DataCurrent when they changed and the person agrees. False when
  // a field cannot be stored (after a message naming it) or the write was cancelled: the
  // fields stay as typed.
  bool SaveSection();
  // Empties every field and hides the point rows; a field that changes marks the section dirty.
  void EmptySection();
  // A tool bar button: saves first, then acts. True when the window is to close.
  bool Press(EditorKey key, const ShowFind& showFind);
  // Closing the window offers to save; false keeps it open.
  bool Close() { return SaveSection(); }

  // A computation is about to rewrite the data file: offer to save, remember the section shown.
  void BeforeRewrite();
  // It has rewritten it: show the remembered section as it now stands.
  void AfterRewrite();

  // Typing into a field. The point counts show and hide rows, a number above 9 becomes "9".
  void Type(SectionField field, const std::string& text);
  // Typing into a point row of a side (-1 left, 1 right), row 0..8.
  void TypePoint(int side, int row, bool elevation, const std::string& text);

  const std::string& Text(SectionField field) const {
    return texts_[static_cast<std::size_t>(field)];
  }
  const PointRow& Row(int side, int row) const;
  // fraMain's caption: "Section No. 3 of 12 ".
  std::string PositionText() const;
  bool Dirty() const { return dirty_; }
  TypedSection Typed() const;
  int Current() const { return state_.Data.Current; }

 private:
  void Show(const SectionRecord& record);
  void SetText(SectionField field, const std::string& text);
  void SetPoint(int side, int row, bool elevation, const std::string& text);
  void ShowRows(int side);
  PointRow& MutableRow(int side, int row);
  void InsertSection();
  bool DeleteSection();

  ProjectState& state_;
  UserDialogs& dialogs_;
  FindSectionModel find_;
  std::array<std::string, 7> texts_;
  std::array<PointRow, kRows> left_;
  std::array<PointRow, kRows> right_;
  bool dirty_ = false;
  int rewritten_ = 0;
};

}  // namespace calvora
