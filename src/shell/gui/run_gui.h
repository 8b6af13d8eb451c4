#pragma once
// Starts the Qt application with the main window; argv[1], when given, is a project to open.
// `shown`, when set, is called with the window once it shows (before the project opens).

#include <filesystem>
#include <functional>

namespace calvora {

class MainWindow;

int RunGui(int argc, char** argv, const std::filesystem::path& programDir,
           const std::function<void(MainWindow&)>& shown = {});

}  // namespace calvora
