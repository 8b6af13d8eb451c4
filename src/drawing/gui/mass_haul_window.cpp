#include "drawing/gui/mass_haul_window.h"

#include <QAction>
#include <QStyle>

namespace calvora {

MassHaulWindow::MassHaulWindow(const ProjectState& state, UserDialogs& dialogs, QPrinter& printer,
                               Progress& progress, QWidget* parent)
    : SheetWindow(std::make_unique<MassHaulWindowModel>(state, dialogs), "frmDrawBrok", "picBrok",
                  dialogs, printer, progress, parent) {
  setWindowTitle(tr("Mass-haul Diagram"));
  QAction* options = AddOwnButton("Options", style()->standardIcon(QStyle::SP_FileDialogListView),
                                  tr("Cut factor, free haul and scale"));
  connect(options, &QAction::triggered, this, [this] {
    if (Model().AskOptions(Passes())) {
      ScreenSheet();
    }
  });
  Recompute();
}

void MassHaulWindow::Recompute() {
  Model().Compute(Passes());
  ScreenSheet();
}

}  // namespace calvora
