#include "shell/gui/run_gui.h"

#include <QApplication>
#include <QMainWindow>

namespace calvora {

int RunGui(int argc, char** argv, const std::filesystem::path& /*programDir*/) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Calvora");
  window.show();
  return QApplication::exec();
}

}  // namespace calvora
