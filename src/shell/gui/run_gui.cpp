#include "shell/gui/run_gui.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#include "shell/gui/editor_windows.h"
#include "shell/gui/main_window.h"
#include "shell/gui/qt_user_dialogs.h"

namespace calvora {

namespace {

constexpr const char* kNoDisplay =
    "calvora: no display found, so the window cannot open. Run the GUI headless with "
    "QT_QPA_PLATFORM=offscreen calvora, or under xvfb-run calvora; the batch commands need no "
    "display (calvora --help).\n";

bool DisplayNamed() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') {
      return true;
    }
  }
  return false;
}

// While the window system is being reached, a failure to reach it ends the program plainly
// (status 1) instead of by abort.
void NoDisplayHandler(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(kNoDisplay, stderr);
    std::_Exit(1);
  }
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

int RunGui(int argc, char** argv, const std::filesystem::path& programDir,
           const std::function<void(MainWindow&)>& shown) {
  if (!DisplayNamed()) {
    std::fputs(kNoDisplay, stderr);
    return 1;
  }
  // Named before the program's folder becomes the current one.
  std::string projectPath;
  if (argc > 1) {
    std::error_code ec;
    projectPath = std::filesystem::absolute(argv[1], ec).string();
  }
  const QtMessageHandler previous = qInstallMessageHandler(NoDisplayHandler);
  QApplication application(argc, argv);
  qInstallMessageHandler(previous);
  QApplication::setApplicationName(QStringLiteral("Calvora"));
  QApplication::setDesktopFileName(QStringLiteral("calvora"));
  std::error_code ec;
  std::filesystem::current_path(programDir, ec);

  ProjectState state;
  state.AppDir = programDir;
  const std::filesystem::path configFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
  MainWindow window(state, configFolder);
  QtUserDialogs editorDialogs(&window);
  new EditorWindows(window, editorDialogs);
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
