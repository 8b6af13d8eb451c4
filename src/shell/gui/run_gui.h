#pragma once
// Starts the Qt application with the main window; argv[1], when given, is a project to open.

#include <filesystem>

namespace calvora {

int RunGui(int argc, char** argv, const std::filesystem::path& programDir);

}  // namespace calvora
