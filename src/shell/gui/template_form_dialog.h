#pragma once
// frmLineInfo, frmTranEdit and frmSecProp: one modal dialog built from its form's fields, each
// label the buddy of its box, the frames the fields name, OK and Cancel; centred on the screen.
// OK closes only when the form reads its fields; closing otherwise is Cancel.

#include <QDialog>
#include <vector>

#include "project/user_dialogs.h"
#include "shell/template_forms.h"

class QLineEdit;

namespace calvora {

class TemplateFormDialog : public QDialog {
  Q_OBJECT

 public:
  TemplateFormDialog(TemplateForm& form, UserDialogs& dialogs, QWidget* parent);

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Ok();

  TemplateForm& form_;
  UserDialogs& dialogs_;
  std::vector<QLineEdit*> boxes_;
};

}  // namespace calvora
