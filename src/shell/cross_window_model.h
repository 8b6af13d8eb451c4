#pragma once
// frmDrawCross without its widgets: the sheet window over the cross-section sheets, with
// finding a section's sheet and naming the section under a point.

#include "drawing/cross_sheet.h"
#include "shell/sheet_window_model.h"

namespace calvora {

class CrossWindowModel : public SheetWindowModel {
 public:
  CrossWindowModel(const ProjectState& state, UserDialogs& dialogs);

  // The sheet that holds the section record (after the find dialog chose it).
  void ShowSection(int record);
  // The section record drawn at the point (fractions of the sheet); 0 for none.
  int SectionAt(double fx, double fy) const;

  const CrossSheet& Sheets() const { return static_cast<const CrossSheet&>(Set()); }
};

}  // namespace calvora
