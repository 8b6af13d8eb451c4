#pragma once
// A batch subcommand made from a command of the command table: the project file, the options
// that answer the command's questions, and the command's run.

#include <CLI/CLI.hpp>
#include <memory>

#include "app/batch_command.h"
#include "app/batch_dialogs.h"
#include "shell/command_table.h"

namespace calvora {

// The options a command adds after the project file; they answer its questions.
class BatchAnswers {
 public:
  virtual ~BatchAnswers() = default;
  virtual void Configure(CLI::App& sub) = 0;
  // Gives the answers; false after a message naming an option that cannot be used.
  virtual bool Answer(BatchDialogs& dialogs) const = 0;
};

// Opens the project and the files the command needs, runs it and prints what it reports: the
// files written when it ran to its end (status 0), why it stopped otherwise (status 1).
std::unique_ptr<BatchCommand> MakeTableCommand(CommandId id, std::unique_ptr<BatchAnswers> answers);

}  // namespace calvora
