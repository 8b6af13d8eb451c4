#pragma once
// frmDrawCross: the designed cross-sections sheet by sheet in the sheet window, with finding a
// section and opening the section under the pointer.

#include "drawing/gui/sheet_window.h"
#include "shell/cross_window_model.h"

namespace calvora {

class CrossWindow : public SheetWindow {
  Q_OBJECT

 public:
  CrossWindow(const ProjectState& state, UserDialogs& dialogs, QPrinter& printer,
              Progress& progress, QWidget* parent = nullptr);

  CrossWindowModel& Model() { return static_cast<CrossWindowModel&>(SheetModel()); }
  // Shows the sheet that holds the section record.
  void ShowSection(int record);

 signals:
  // "Find": the find dialog chooses a section, then ShowSection.
  void findRequested();
  // A double-click on a section: its record number.
  void sectionActivated(int record);

 protected:
  void SheetDoubleClicked(double fx, double fy) override;
};

}  // namespace calvora
