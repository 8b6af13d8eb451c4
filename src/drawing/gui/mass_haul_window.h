#pragma once
// The mass-haul diagram in the sheet window, with "Options" for the cut factor, the free-haul
// distance and the horizontal scale. The ordinates are computed when the window opens.

#include "drawing/gui/sheet_window.h"
#include "shell/mass_haul_window_model.h"

namespace calvora {

class MassHaulWindow : public SheetWindow {
  Q_OBJECT

 public:
  MassHaulWindow(const ProjectState& state, UserDialogs& dialogs, QPrinter& printer,
                 Progress& progress, QWidget* parent = nullptr);

  MassHaulWindowModel& Model() { return static_cast<MassHaulWindowModel&>(SheetModel()); }
  // Computes the ordinates again: the sections may have changed.
  void Recompute();
};

}  // namespace calvora
