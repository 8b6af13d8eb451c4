#pragma once
// A batch subcommand: its options on a CLI11 sub-app, and its run on the core.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace calvora {

struct BatchContext {
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal = false;        // progress goes to stderr only then
  std::filesystem::path programDir;  // beside the executable: design tables, DXF definitions
};

// Exit status of a batch command.
enum BatchStatus : int { kBatchOk = 0, kBatchFailed = 1, kBatchUsage = 2 };

class BatchCommand {
 public:
  virtual ~BatchCommand() = default;
  virtual std::string Name() const = 0;
  virtual std::string Description() const = 0;
  // Declares the options on the subcommand; values are bound to members.
  virtual void Configure(CLI::App& sub) = 0;
  // Runs after a successful parse. UnansweredQuestion thrown here gives status 2.
  virtual int Run(BatchContext& context) = 0;
};

// Every subcommand, in the order --help lists them.
std::vector<std::unique_ptr<BatchCommand>> MakeBatchCommands();

}  // namespace calvora
