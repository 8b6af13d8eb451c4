#pragma once
// frmCRV: the alignment record editor, a child window of the main window. Binds the station,
// the point code list and the parameters of the code to its model.

#include <array>
#include <map>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "shell/alignment_editor_model.h"
#include "shell/gui/record_editor_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace calvora {

class AlignmentEditor : public RecordEditorWindow {
  Q_OBJECT

 public:
  AlignmentEditor(ProjectState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

  AlignmentEditorModel& Model() { return model_; }

 private:
  void ShowModel() override;

  AlignmentEditorModel model_;
  QGroupBox* fraMain_ = nullptr;
  std::map<AlignmentField, QLineEdit*> fields_;
  QComboBox* cmbCode_ = nullptr;
  std::array<QLabel*, AlignmentEditorModel::kParams> paramLabels_{};
  std::array<QLabel*, 2> stationLabels_{};
};

}  // namespace calvora
