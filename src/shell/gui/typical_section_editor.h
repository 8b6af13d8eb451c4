#pragma once
// frmVariant: the typical cross-section editor, a child window of the main window. Its tool bar,
// the picture picVar, the status panels "VarNum" and "Tran", the main window's pop-up menu
// "Type" on the right button, and the three dialogs, bound to its model.

#include <QMenu>
#include <QPointer>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "shell/gui/record_editor_window.h"
#include "shell/typical_section_model.h"

class QLabel;
class QPushButton;

namespace calvora {

class TemplatePicture;

class TypicalSectionEditor : public RecordEditorWindow, private TemplateDialogs {
  Q_OBJECT

 public:
  // typeMenu: the main window's "Type" menu, whose items act on the line under the click.
  TypicalSectionEditor(ProjectState& state, UserDialogs& dialogs, QMenu& typeMenu,
                       QWidget* parent = nullptr);

  TypicalSectionModel& Model() { return model_; }

 private:
  void ShowModel() override;
  void ShowForm(TemplateForm& form) override;
  void ShowRange(SectionRangeModel& range) override;
  // A change through the model, then the picture and panels again.
  void Act(void (TypicalSectionModel::*operation)());

  TypicalSectionModel model_;
  QPointer<QMenu> typeMenu_;
  TemplatePicture* picture_ = nullptr;
  QLabel* varNum_ = nullptr;
  QPushButton* tran_ = nullptr;
};

}  // namespace calvora
