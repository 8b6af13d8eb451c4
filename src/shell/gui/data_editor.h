#pragma once
// frmData: the section data editor, a child window of the main window. Binds the fields, point
// rows and tool bar to its model and sketches the section as it is typed.

#include <array>
#include <map>

#include "drawing/section_sketch.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "shell/data_editor_model.h"
#include "shell/gui/record_editor_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace calvora {

class SectionSketchView;

class DataEditor : public RecordEditorWindow {
  Q_OBJECT

 public:
  DataEditor(ProjectState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

  DataEditorModel& Model() { return model_; }
  void BeforeRewrite();
  void AfterRewrite();

 private:
  struct Row {
    QLabel* label = nullptr;
    QLineEdit* distance = nullptr;
    QLineEdit* elevation = nullptr;
  };
  QGroupBox* MakePointsFrame(int side, const QString& title);
  void ShowModel() override;

  DataEditorModel model_;
  SectionSketch sketch_;
  QGroupBox* fraMain_ = nullptr;
  std::map<SectionField, QLineEdit*> fields_;
  std::array<Row, DataEditorModel::kRows> left_;
  std::array<Row, DataEditorModel::kRows> right_;
  SectionSketchView* sketchView_ = nullptr;
  QLabel* sketchMessages_ = nullptr;  // what the sketch says, also for screen readers
};

}  // namespace calvora
