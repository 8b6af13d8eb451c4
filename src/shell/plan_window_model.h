#pragma once
// The plan window without its widgets: the sheet window over the plan's sheets, and "Scale",
// the scale chosen in an input box.

#include "drawing/plan_sheet.h"
#include "shell/sheet_window_model.h"

namespace calvora {

class PlanWindowModel : public SheetWindowModel {
 public:
  PlanWindowModel(const ProjectState& state, UserDialogs& dialogs);

  // Asks the scale (1:N, above 0); true when it was taken, and the sheets drawn anew.
  bool AskScale();

  const PlanSheet& Sheets() const { return static_cast<const PlanSheet&>(Set()); }
};

}  // namespace calvora
