#pragma once
// A UserDialogs that expects an exact sequence of questions and fails the test on any other.

#include <deque>
#include <string>
#include <vector>

#include "project/user_dialogs.h"

namespace calvora::testing {

class ScriptedDialogs : public UserDialogs {
 public:
  ~ScriptedDialogs() override;

  // Each expectation names the exact text; answers are what the person gives.
  ScriptedDialogs& ExpectMessage(std::string text);
  ScriptedDialogs& ExpectYesNo(std::string text, bool yes);
  ScriptedDialogs& ExpectRetryCancel(bool retry);  // any error text
  ScriptedDialogs& ExpectInput(std::string prompt, std::string title, std::string defaultText,
                               std::string answer);
  ScriptedDialogs& ExpectOpenFile(std::string title, std::string answer);
  ScriptedDialogs& ExpectSaveFile(std::string title, std::string proposedName, std::string answer);
  // Any message at all (its text is recorded) rather than one exact text.
  ScriptedDialogs& ExpectAnyMessage();
  // Any input box at all, answered with `answer`.
  ScriptedDialogs& ExpectAnyInput(std::string answer);

  // Everything shown, in order ("Message: ...", "YesNo: ...", ...).
  const std::vector<std::string>& Log() const { return log_; }
  bool Done() const { return expected_.empty(); }

  void Message(const std::string& text) override;
  bool YesNo(QuestionId, const std::string& text) override;
  bool RetryCancel(const std::string& text) override;
  std::string InputBox(const Question&, const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  std::string OpenFileName(const FileDialogRequest& request) override;
  std::string SaveFileName(const FileDialogRequest& request) override;

 private:
  enum class Kind { Message, AnyMessage, YesNo, RetryCancel, Input, AnyInput, OpenFile, SaveFile };
  struct Expected {
    Kind kind;
    std::string text;
    std::string title;
    std::string extra;
    std::string answer;
    bool yes = false;
  };
  Expected Next(Kind kind, const std::string& shown);

  std::deque<Expected> expected_;
  std::vector<std::string> log_;
};

}  // namespace calvora::testing
