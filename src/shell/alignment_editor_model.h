#pragma once
// frmCRV without its widgets: one record of the alignment file, its station, point code and the
// parameters that code uses, paged, changed, inserted, deleted and found.

#include <array>
#include <optional>
#include <string>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "records/alignment_record.h"
#include "shell/record_editor.h"

namespace calvora {

enum class AlignmentField { Kilo, Meter, Param1, Param2, Param3 };

class AlignmentEditorModel : public RecordEditor {
 public:
  static constexpr int kParams = 3;
  static constexpr std::array<AlignmentField, kParams> kParamFields = {
      AlignmentField::Param1, AlignmentField::Param2, AlignmentField::Param3};

  AlignmentEditorModel(ProjectState& state, UserDialogs& dialogs);

  // The code list: an empty item, then the code texts, at the positions of their codes.
  static std::array<std::string, kPointCodeCount> CodeItems();

  void Type(AlignmentField field, const std::string& text);
  // cmbCode: the list position chosen is the code.
  void ChooseCode(int position) { ShowCode(position); }

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

 private:
  void ReadBuffer(int n) override;
  void WriteBuffer(int n) override;
  void ShowBuffer() override;
  std::string StoreFields() override;
  // Empties the fields and selects the empty code.
  void Empty() override;

  // The labels of the code (setParams); the station fields emptied for code 8.
  void ShowCode(int code);

  std::array<std::string, 5> texts_;
  std::array<std::string, kParams> labels_;
  int code_ = 0;  // as stored: a code outside 0..10 is kept until another is chosen
};

}  // namespace calvora
