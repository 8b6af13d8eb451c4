#pragma once
// --yes: the confirmation of a command that changes the survey data file.

#include "app/batch_table_command.h"

namespace calvora {

class YesAnswer : public BatchAnswers {
 public:
  void Configure(CLI::App& sub) override {
    sub.add_flag("--yes,-y", yes_, "Confirm the change of the survey data file");
  }
  bool Answer(BatchDialogs& dialogs) const override {
    dialogs.AnswerYes(yes_);
    return true;
  }

 private:
  bool yes_ = false;
};

}  // namespace calvora
