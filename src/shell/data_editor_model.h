#pragma once
// frmData without its widgets: one section of the survey data file in text fields, paged,
// changed, appended, inserted, deleted and found, every change confirmed before it is written.

#include <array>
#include <string>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "records/section_record.h"
#include "shell/record_editor.h"

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

class DataEditorModel : public RecordEditor {
 public:
  static constexpr int kRows = SectionRecord::kMaxPointsPerSide;

  DataEditorModel(ProjectState& state, UserDialogs& dialogs);

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
  TypedSection Typed() const;

 private:
  void ReadBuffer(int n) override;
  void WriteBuffer(int n) override;
  void ShowBuffer() override;
  std::string StoreFields() override;
  // Empties every field and hides the point rows; a field that changes marks the section dirty.
  void Empty() override;

  void SetText(SectionField field, const std::string& text);
  void SetPoint(int side, int row, bool elevation, const std::string& text);
  void ShowRows(int side);
  PointRow& MutableRow(int side, int row);

  std::array<std::string, 7> texts_;
  std::array<PointRow, kRows> left_;
  std::array<PointRow, kRows> right_;
  int rewritten_ = 0;
};

}  // namespace calvora
