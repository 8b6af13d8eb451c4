#pragma once
// The longitudinal-section window without its widgets: the sheet window over the profile
// sheets, and "Scales", the horizontal and vertical scale chosen in two input boxes.

#include "drawing/profile_sheet.h"
#include "shell/sheet_window_model.h"

namespace calvora {

class ProfileWindowModel : public SheetWindowModel {
 public:
  ProfileWindowModel(const ProjectState& state, UserDialogs& dialogs);

  // Asks both scales (1:N, above 0); true when they were taken, and the sheets drawn anew.
  bool AskScales();

  const ProfileSheet& Sheets() const { return static_cast<const ProfileSheet&>(Set()); }
};

}  // namespace calvora
