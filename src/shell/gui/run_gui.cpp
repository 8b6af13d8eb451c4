#include "shell/gui/run_gui.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <string>
#include <system_error>

#include "shell/gui/main_window.h"

namespace calvora {

int RunGui(int argc, char** argv, const std::filesystem::path& programDir,
           const std::function<void(MainWindow&)>& shown) {
  // Named before the program's folder becomes the current one.
  std::string projectPath;
  if (argc > 1) {
    std::error_code ec;
    projectPath = std::filesystem::absolute(argv[1], ec).string();
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Calvora"));
  QApplication::setDesktopFileName(QStringLiteral("calvora"));
  std::error_code ec;
  std::filesystem::current_path(programDir, ec);

  ProjectState state;
  state.AppDir = programDir;
  const std::filesystem::path configFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
  MainWindow window(state, configFolder);
  window.show();
  if (!projectPath.empty()) {
    QTimer::singleShot(0, &window, [&window, projectPath] { window.OpenProjectPath(projectPath); });
  }
  if (shown) {
    shown(window);
  }
  return QApplication::exec();
}

}  // namespace calvora
