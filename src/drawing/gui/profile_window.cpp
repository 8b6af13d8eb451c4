#include "drawing/gui/profile_window.h"

#include <QAction>
#include <QStyle>

namespace calvora {

ProfileWindow::ProfileWindow(const ProjectState& state, UserDialogs& dialogs, QPrinter& printer,
                             Progress& progress, QWidget* parent)
    : SheetWindow(std::make_unique<ProfileWindowModel>(state, dialogs), "frmDrawProf", "picProf",
                  dialogs, printer, progress, parent) {
  setWindowTitle(tr("Longitudinal Section"));
  QAction* scales = AddOwnButton("Scales", style()->standardIcon(QStyle::SP_FileDialogListView),
                                 tr("Horizontal and vertical scale"));
  connect(scales, &QAction::triggered, this, [this] {
    if (Model().AskScales()) {
      ScreenSheet();
    }
  });
}

}  // namespace calvora
