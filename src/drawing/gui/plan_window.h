#pragma once
// The plan in the sheet window, with "Scale" to choose its scale.

#include "drawing/gui/sheet_window.h"
#include "shell/plan_window_model.h"

namespace calvora {

class PlanWindow : public SheetWindow {
  Q_OBJECT

 public:
  PlanWindow(const ProjectState& state, UserDialogs& dialogs, QPrinter& printer, Progress& progress,
             QWidget* parent = nullptr);

  PlanWindowModel& Model() { return static_cast<PlanWindowModel&>(SheetModel()); }
};

}  // namespace calvora
