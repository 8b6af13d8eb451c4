#include "drawing/gui/cross_window.h"

#include <QAction>
#include <QStyle>

namespace calvora {

CrossWindow::CrossWindow(const ProjectState& state, UserDialogs& dialogs, QPrinter& printer,
                         Progress& progress, QWidget* parent)
    : SheetWindow(std::make_unique<CrossWindowModel>(state, dialogs), "frmDrawCross", "picCross",
                  dialogs, printer, progress, parent) {
  setWindowTitle(tr("Cross Sections"));
  QAction* find = AddOwnButton("Find", style()->standardIcon(QStyle::SP_FileDialogContentsView),
                               tr("Find a section (Ctrl+F)"));
  find->setShortcut(QKeySequence::Find);
  connect(find, &QAction::triggered, this, &CrossWindow::findRequested);
}

void CrossWindow::ShowSection(int record) {
  Model().ShowSection(record);
  ScreenSheet();
}

void CrossWindow::SheetDoubleClicked(double fx, double fy) {
  if (const int record = Model().SectionAt(fx, fy); record > 0) {
    emit sectionActivated(record);
  }
}

}  // namespace calvora
