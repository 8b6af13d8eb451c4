#include "drawing/gui/plan_window.h"

#include <QAction>
#include <QStyle>

namespace calvora {

PlanWindow::PlanWindow(const ProjectState& state, UserDialogs& dialogs, QPrinter& printer,
                       Progress& progress, QWidget* parent)
    : SheetWindow(std::make_unique<PlanWindowModel>(state, dialogs), "frmDrawPlan", "picPlan",
                  dialogs, printer, progress, parent) {
  setWindowTitle(tr("Plan"));
  QAction* scale = AddOwnButton("Scale", style()->standardIcon(QStyle::SP_FileDialogListView),
                                tr("Scale of the plan"));
  connect(scale, &QAction::triggered, this, [this] {
    if (Model().AskScale()) {
      ScreenSheet();
    }
  });
}

}  // namespace calvora
