#pragma once
// frmCRV without its widgets: one record of the alignment file, its station, point code and the
// parameters that code uses, paged, changed, inserted, deleted and found.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "records/alignment_record.h"
#include "shell/editor_keys.h"
#include "shell/find_section_model.h"

namespace calvora {

enum class AlignmentField { Kilo, Meter, Param1, Param2, Param3 };

class AlignmentEditorModel {
 public:
  static constexpr int kParams = 3;
  using ShowFind = std::function<void(FindSectionModel&)>;

  AlignmentEditorModel(ProjectState& state, UserDialogs& dialogs)
      : state_(state), dialogs_(dialogs) {}

  // The code list: an empty item, then the code texts, at the positions of their codes.
  static std::array<std::string, kPointCodeCount> CodeItems();

  // Opening the window: record 1.
  void Open();
  // Shows record AlignCurrent; beyond the last one asks "New Record ?".
  void LoadRecord();
  // Writes the fields as record AlignCurrent when they changed and the person agrees. False when
  // a field cannot be stored (after a message naming it) or the write was cancelled.
  bool SaveRecord();
  // Empties the fields and selects the empty code.
  void EmptyRecord();
  // A tool bar button: saves first, then acts. True when the window is to close.
  bool Press(EditorKey key, const ShowFind& showFind);
  bool Close() { return SaveRecord(); }

  void Type(AlignmentField field, const std::string& text);
  // cmbCode: the list position chosen is the code.
  void ChooseCode(int position);

  const std::string& Text(AlignmentField field) const {
    return texts_[static_cast<std::size_t>(field)];
  }
  // The list position shown; nullopt (nothing selected) for a code outside the list.
  std::optional<int> CodePosition() const;
  // lblParam1..3 and whether txtParam1..3 are shown (param 0..2).
  const std::string& ParamLabel(int param) const { return labels_.at(std::size_t(param)); }
  bool ParamVisible(int param) const { return !ParamLabel(param).empty(); }
  // The station fields are hidden for "Simple X-Y coordinate".
  bool StationVisible() const { return code_ != static_cast<int>(PointCode::XYCoordinate); }
  // fraMain's caption: "Record No. 3 of 12 ".
  std::string Caption() const;
  bool Changed() const { return changed_; }

 private:
  void ShowCode(int code);
  void SetParams(const std::string& p1, const std::string& p2, const std::string& p3);
  void InsertRecord();
  void DeleteRecord();

  ProjectState& state_;
  UserDialogs& dialogs_;
  FindSectionModel find_;
  std::array<std::string, 5> texts_;
  std::array<std::string, kParams> labels_;
  int code_ = 0;  // as stored: a code outside 0..10 is kept until another is chosen
  bool changed_ = false;
};

}  // namespace calvora
