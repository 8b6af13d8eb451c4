#pragma once
// Dialogs for tests of drawings over data with errors: every message is kept, the save dialog
// takes the proposed name (or a name given), nothing else is expected.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/user_dialogs.h"

namespace calvora::testing {

class CollectingDialogs : public UserDialogs {
 public:
  std::vector<std::string> messages;
  std::vector<FileDialogRequest> saves;
  std::string saveAnswer;  // "" takes the proposed name

  void Message(const std::string& text) override { messages.push_back(text); }
  bool YesNo(QuestionId, const std::string& text) override {
    ADD_FAILURE() << "unexpected question " << text;
    return false;
  }
  bool RetryCancel(const std::string& text) override {
    ADD_FAILURE() << "unexpected error " << text;
    return false;
  }
  std::string InputBox(const Question&, const std::string& prompt, const std::string&,
                       const std::string&) override {
    ADD_FAILURE() << "unexpected input box " << prompt;
    return "";
  }
  std::string OpenFileName(const FileDialogRequest& request) override {
    ADD_FAILURE() << "unexpected open dialog " << request.title;
    return "";
  }
  std::string SaveFileName(const FileDialogRequest& request) override {
    saves.push_back(request);
    return saveAnswer.empty() ? request.proposedName : saveAnswer;
  }
};

}  // namespace calvora::testing
