#pragma once
// The options of a command that writes a file: --out (that file instead of the proposed name)
// and --yes (replace it, or confirm, when asked).

#include <CLI/CLI.hpp>
#include <string>

#include "app/batch_dialogs.h"

namespace calvora {

class BatchOutputOptions {
 public:
  void Configure(CLI::App& sub, const std::string& outHelp, const std::string& yesHelp) {
    sub.add_option("--out", out_, outHelp);
    sub.add_flag("--yes,-y", yes_, yesHelp);
  }

  // The answers to the save-file question and to the yes-or-no questions.
  void Answer(BatchDialogs& dialogs) const {
    dialogs.AnswerYes(yes_);
    if (!out_.empty()) {
      dialogs.AnswerSaveFile(out_);
    }
  }

 private:
  std::string out_;
  bool yes_ = false;
};

}  // namespace calvora
