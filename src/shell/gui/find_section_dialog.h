#pragma once
// frmFindSec: finds a section or an alignment record by number or by station, for the mode its
// model's tag names; the tag holds its answer afterwards.

#include <QDialog>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "shell/find_section_model.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace calvora {

class FindSectionDialog : public QDialog {
  Q_OBJECT

 public:
  FindSectionDialog(FindSectionModel& model, ProjectState& state, UserDialogs& dialogs,
                    QWidget* parent);

  void reject() override;

 private:
  void ShowOption();
  void Ok();

  FindSectionModel& model_;
  ProjectState& state_;
  UserDialogs& dialogs_;
  QRadioButton* byNumber_ = nullptr;
  QRadioButton* byStation_ = nullptr;
  QLineEdit* txtFromSec_ = nullptr;
  QLineEdit* txtFromStaKm_ = nullptr;
  QLineEdit* txtFromStaMet_ = nullptr;
  QLineEdit* txtToSec_ = nullptr;
  QLineEdit* txtToStaKm_ = nullptr;
  QLineEdit* txtToStamet_ = nullptr;
};

}  // namespace calvora
