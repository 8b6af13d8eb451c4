#pragma once
// The mass-haul window without its widgets: the sheet window over the mass-haul sheets, the
// ordinates computed in memory with the cut factor, and "Options": the cut factor, the
// free-haul distance and the horizontal scale.

#include "drawing/mass_haul_sheet.h"
#include "project/progress.h"
#include "shell/sheet_window_model.h"

namespace calvora {

class MassHaulWindowModel : public SheetWindowModel {
 public:
  MassHaulWindowModel(const ProjectState& state, UserDialogs& dialogs);

  // Computes the ordinates with the cut factor, the passes shown on progress, and shows the
  // engine's messages; the sheets are drawn anew.
  void Compute(Progress& progress);
  // Asks the options; when they are taken the ordinates are computed again. True then.
  bool AskOptions(Progress& progress);

  const MassHaulSheet& Sheets() const { return static_cast<const MassHaulSheet&>(Set()); }

 private:
  MassHaulSheet& Diagram() { return static_cast<MassHaulSheet&>(Set()); }
};

}  // namespace calvora
