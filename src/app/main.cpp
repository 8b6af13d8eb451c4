// calvora: the GUI without arguments (or with a project path), a batch subcommand otherwise.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "app/batch_command.h"
#include "app/batch_dialogs.h"
#include "shell/gui/run_gui.h"

namespace {

std::filesystem::path ProgramDir(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) {
    self = std::filesystem::absolute(argv0, ec);
  }
  return self.parent_path();
}

int RunBatch(int argc, char** argv) {
  using namespace calvora;
  CLI::App app{"Calvora road design: batch commands on a project. Without arguments, the GUI.",
               "calvora"};
  app.require_subcommand(1);
  auto commands = MakeBatchCommands();
  const std::string_view first = argv[1];
  if (!first.starts_with("-") &&
      std::none_of(commands.begin(), commands.end(),
                   [first](const auto& command) { return command->Name() == first; })) {
    std::cerr << "calvora: there is no command \"" << first
              << "\"; calvora --help lists the commands.\n";
    return kBatchUsage;
  }
  BatchCommand* chosen = nullptr;
  for (auto& command : commands) {
    CLI::App* sub = app.add_subcommand(command->Name(), command->Description());
    command->Configure(*sub);
    sub->callback([&chosen, c = command.get()] { chosen = c; });
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? kBatchOk : kBatchUsage;
  }
  if (chosen == nullptr) {
    return kBatchUsage;
  }
  BatchContext context{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1, ProgramDir(argv[0])};
  try {
    return chosen->Run(context);
  } catch (const UnansweredQuestion& question) {
    EndBatchProgressLine(std::cerr);
    std::cerr << "calvora " << chosen->Name() << ": " << question.what() << '\n';
    return kBatchUsage;
  } catch (const std::exception& error) {
    EndBatchProgressLine(std::cerr);
    std::cerr << "calvora " << chosen->Name() << ": " << error.what() << '\n';
    return kBatchFailed;
  }
}

bool IsGuiInvocation(int argc, char** argv) {
  if (argc < 2) {
    return true;
  }
  const std::string_view first = argv[1];
  if (first.starts_with("-")) {
    return false;
  }
  // A project path opens the GUI; anything else names a subcommand.
  return argc == 2 && std::filesystem::path(first).has_extension();
}

}  // namespace

int main(int argc, char** argv) {
  if (IsGuiInvocation(argc, argv)) {
    return calvora::RunGui(argc, argv, ProgramDir(argv[0]));
  }
  return RunBatch(argc, argv);
}
