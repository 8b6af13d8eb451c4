#pragma once
// frmProjProp: the project record on six tabs, written by OK.

#include <QDialog>
#include <array>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "shell/project_properties_model.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTabBar;

namespace calvora {

class ProjectPropertiesDialog : public QDialog {
  Q_OBJECT

 public:
  // Loads the open project's record into the controls.
  ProjectPropertiesDialog(ProjectState& state, UserDialogs& dialogs, QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* MakeFilesFrame();
  QWidget* MakeTitlesFrame();
  QWidget* MakeCrossFrame();
  QWidget* MakePrintFrame();
  QWidget* MakeLayersFrame();
  QWidget* MakeCalcFrame();
  QLineEdit* FileRow(QGridLayout* grid, int row, const char* label, const char* text,
                     const char* button, const char* title, const char* filter);
  void ShowModel();
  void CollectModel();
  void ShowSample();
  void ChooseFont();
  void Ok();

  ProjectState& state_;
  UserDialogs& dialogs_;
  ProjectPropertiesModel model_;

  QTabBar* tabs_ = nullptr;
  QStackedWidget* frames_ = nullptr;
  QLineEdit* txtDatFile_ = nullptr;
  QLineEdit* txtVarFile_ = nullptr;
  QLineEdit* txtAlignFile_ = nullptr;
  QLineEdit* txtLeft_ = nullptr;
  QLineEdit* txtCenter_ = nullptr;
  QLineEdit* txtRight_ = nullptr;
  QSlider* slider_ = nullptr;
  QLabel* lblNumSec_ = nullptr;
  QCheckBox* chkBorder_ = nullptr;
  QCheckBox* chkDatum_ = nullptr;
  QLabel* lblSample_ = nullptr;
  std::array<QLineEdit*, 4> txtMargin_{};
  std::array<QLineEdit*, 5> txtPen_{};
  std::array<QLineEdit*, ProjectRecord::kLayerCount> txtComp_{};
  std::array<QLineEdit*, ProjectRecord::kLayerCount> txtThick_{};
  QLineEdit* txtNumLines_ = nullptr;
  std::array<QRadioButton*, 2> optCalcMethod_{};
  std::array<QRadioButton*, 2> optDeca_{};
  QLineEdit* txtDecaThick_ = nullptr;
};

}  // namespace calvora
