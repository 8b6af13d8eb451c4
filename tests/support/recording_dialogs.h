#pragma once
// A UserDialogs that records everything it is shown and answers from queues, or by default:
// No, Cancel, the input's default text, no file to open and the proposed name to save.

#include <deque>
#include <string>
#include <vector>

#include "project/user_dialogs.h"

namespace calvora::testing {

class RecordingDialogs : public UserDialogs {
 public:
  std::vector<std::string> shown;  // "Message: ...", "YesNo: ...", "OpenFile: title", ...
  std::vector<FileDialogRequest> fileRequests;  // of both file dialogs, in order
  std::deque<std::string> fileAnswers;
  std::deque<bool> yesNoAnswers;

  void Message(const std::string& text) override { shown.push_back("Message: " + text); }
  bool YesNo(QuestionId, const std::string& text) override {
    shown.push_back("YesNo: " + text);
    return Next(yesNoAnswers, false);
  }
  bool RetryCancel(const std::string& text) override {
    shown.push_back("RetryCancel: " + text);
    return false;
  }
  std::string InputBox(const Question&, const std::string& prompt, const std::string&,
                       const std::string& defaultText) override {
    shown.push_back("Input: " + prompt);
    return defaultText;
  }
  std::string OpenFileName(const FileDialogRequest& request) override {
    shown.push_back("OpenFile: " + request.title);
    fileRequests.push_back(request);
    return Next(fileAnswers, std::string());
  }
  std::string SaveFileName(const FileDialogRequest& request) override {
    shown.push_back("SaveFile: " + request.title);
    fileRequests.push_back(request);
    return Next(fileAnswers, request.proposedName);
  }

 private:
  template <typename T>
  static T Next(std::deque<T>& answers, T otherwise) {
    if (answers.empty()) {
      return otherwise;
    }
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace calvora::testing
