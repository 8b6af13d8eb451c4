#pragma once
// The longitudinal section in the sheet window, with "Scales" to choose the horizontal and
// vertical scale.

#include "drawing/gui/sheet_window.h"
#include "shell/profile_window_model.h"

namespace calvora {

class ProfileWindow : public SheetWindow {
  Q_OBJECT

 public:
  ProfileWindow(const ProjectState& state, UserDialogs& dialogs, QPrinter& printer,
                Progress& progress, QWidget* parent = nullptr);

  ProfileWindowModel& Model() { return static_cast<ProfileWindowModel&>(SheetModel()); }
};

}  // namespace calvora
