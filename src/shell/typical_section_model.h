#pragma once
// frmVariant without its widgets: the typical cross-sections paged, drawn, changed line by line,
// their ditches and properties edited, deleted, found and assigned to sections.
//
// The editor works on the project's variant buffer VarRec; the section engine reads its own
// copies from the file and never this buffer, so computing or drawing sections while changes
// are unsaved can neither save the engine's record nor lose the editor's.
//
// Ditches: the ditch dialog makes the up to five stored vertices as section/ditch_shape.h says:
// the inner side (D, S0), the bottom (W), the outer side (S, with the height H of step 1) or
// D), a bench (W of step 1)) and the rise after it (S of step 1), H of step 2)). The five rows
// hold no more, so the dialog's other step fields stay closed.

#include <string>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "section/ditch_shape.h"
#include "shell/record_editor.h"
#include "shell/section_range_model.h"
#include "shell/template_forms.h"

namespace calvora {

// Shows the editor's dialogs modally; each returns with its tag (or answer) set.
class TemplateDialogs {
 public:
  virtual ~TemplateDialogs() = default;
  virtual void ShowForm(TemplateForm& form) = 0;
  virtual void ShowRange(SectionRangeModel& range) = 0;
};

class TypicalSectionModel : public RecordEditor {
 public:
  TypicalSectionModel(ProjectState& state, UserDialogs& dialogs, TemplateDialogs& forms);

  const VariantRecord& Record() const { return state_.VarRec; }
  // Panel "VarNum": "Record: 2 of 5".
  std::string RecordText() const;

  // Panel "Tran": a click cycles Cut, Fill, None.
  DitchMode Mode() const { return mode_; }
  void CycleDitchMode();
  // "Ditch in cut", "Ditch in fill", "No Ditch".
  std::string ModeText() const;
  // TranView: the rows of side s of the ditch shown.
  DitchRows TranView(int side) const { return DitchView(state_.VarRec, mode_, side); }

  // The picture's tool tip at offset x: the line's "L= ...  S= ...", over the ditch its
  // numbers, elsewhere "".
  std::string ToolTipAt(double x) const;

  // The right button pressed at (x, y): the line operations act at x.
  void Click(double x, double y);
  double ClickX() const { return clickX_; }
  double ClickY() const { return clickY_; }

  // The pop-up menu "Type".
  void InsertLine();
  void DeleteLine();
  void EditLine();
  // The ditch of side s in frmTranEdit.
  void EditTran(int side);
  // frmSecProp.
  void EditSecProp();

 private:
  void ReadBuffer(int n) override;
  void WriteBuffer(int n) override;
  void ShowBuffer() override {}
  std::string StoreFields() override { return {}; }
  // A new record starts from the one shown.
  void Empty() override {}
  // Find: asks for the number of a typical cross-section.
  void Find(const ShowFind& showFind) override;
  bool PressOwn(EditorKey key) override;

  // A line change made (the record dirty) or refused (its message shown).
  void Changed(const std::string& refusal);
  void Assign();

  TemplateDialogs& forms_;
  DitchMode mode_ = DitchMode::Cut;
  double clickX_ = 0;
  double clickY_ = 0;
};

}  // namespace calvora
