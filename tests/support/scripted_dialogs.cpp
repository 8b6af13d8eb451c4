#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace calvora::testing {

ScriptedDialogs::~ScriptedDialogs() {
  EXPECT_TRUE(expected_.empty()) << expected_.size() << " expected questions were never asked; "
                                 << "first: \"" << expected_.front().text << "\"";
}

ScriptedDialogs& ScriptedDialogs::ExpectMessage(std::string text) {
  expected_.push_back({Kind::Message, std::move(text), {}, {}, {}});
  return *this;
}
ScriptedDialogs& ScriptedDialogs::ExpectAnyMessage() {
  expected_.push_back({Kind::AnyMessage, {}, {}, {}, {}});
  return *this;
}
ScriptedDialogs& ScriptedDialogs::ExpectAnyInput(std::string answer) {
  expected_.push_back({Kind::AnyInput, {}, {}, {}, std::move(answer)});
  return *this;
}
ScriptedDialogs& ScriptedDialogs::ExpectYesNo(std::string text, bool yes) {
  expected_.push_back({Kind::YesNo, std::move(text), {}, {}, {}, yes});
  return *this;
}
ScriptedDialogs& ScriptedDialogs::ExpectRetryCancel(bool retry) {
  expected_.push_back({Kind::RetryCancel, {}, {}, {}, {}, retry});
  return *this;
}
ScriptedDialogs& ScriptedDialogs::ExpectInput(std::string prompt, std::string title,
                                              std::string defaultText, std::string answer) {
  expected_.push_back({Kind::Input, std::move(prompt), std::move(title), std::move(defaultText),
                       std::move(answer)});
  return *this;
}
ScriptedDialogs& ScriptedDialogs::ExpectOpenFile(std::string title, std::string answer) {
  expected_.push_back({Kind::OpenFile, {}, std::move(title), {}, std::move(answer)});
  return *this;
}
ScriptedDialogs& ScriptedDialogs::ExpectSaveFile(std::string title, std::string proposedName,
                                                 std::string answer) {
  expected_.push_back(
      {Kind::SaveFile, {}, std::move(title), std::move(proposedName), std::move(answer)});
  return *this;
}

ScriptedDialogs::Expected ScriptedDialogs::Next(Kind kind, const std::string& shown) {
  log_.push_back(shown);
  if (expected_.empty()) {
    ADD_FAILURE() << "unexpected question: " << shown;
    return {kind, {}, {}, {}, {}};
  }
  Expected next = expected_.front();
  expected_.pop_front();
  const bool kindMatches = next.kind == kind ||
                           (next.kind == Kind::AnyMessage && kind == Kind::Message) ||
                           (next.kind == Kind::AnyInput && kind == Kind::Input);
  if (!kindMatches) {
    ADD_FAILURE() << "expected another kind of question (text \"" << next.text << "\"), got "
                  << shown;
  }
  return next;
}

void ScriptedDialogs::Message(const std::string& text) {
  const Expected e = Next(Kind::Message, "Message: " + text);
  if (e.kind == Kind::Message) {
    EXPECT_EQ(e.text, text);
  }
}

bool ScriptedDialogs::YesNo(QuestionId, const std::string& text) {
  const Expected e = Next(Kind::YesNo, "YesNo: " + text);
  EXPECT_EQ(e.text, text);
  return e.yes;
}

bool ScriptedDialogs::RetryCancel(const std::string& text) {
  return Next(Kind::RetryCancel, "RetryCancel: " + text).yes;
}

std::string ScriptedDialogs::InputBox(const Question&, const std::string& prompt,
                                      const std::string& title, const std::string& defaultText) {
  const Expected e = Next(Kind::Input, "Input: " + prompt);
  if (e.kind == Kind::AnyInput) {
    return e.answer;
  }
  EXPECT_EQ(e.text, prompt);
  EXPECT_EQ(e.title, title);
  EXPECT_EQ(e.extra, defaultText);
  return e.answer;
}

std::string ScriptedDialogs::OpenFileName(const FileDialogRequest& request) {
  const Expected e = Next(Kind::OpenFile, "OpenFile: " + request.title);
  EXPECT_EQ(e.title, request.title);
  return e.answer;
}

std::string ScriptedDialogs::SaveFileName(const FileDialogRequest& request) {
  const Expected e = Next(Kind::SaveFile, "SaveFile: " + request.title);
  EXPECT_EQ(e.title, request.title);
  EXPECT_EQ(e.extra, request.proposedName);
  return e.answer;
}

}  // namespace calvora::testing
