#pragma once
// Questions answered from command-line options; a question no option answers stops the
// command with UnansweredQuestion (exit status 2).

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "project/progress.h"
#include "project/user_dialogs.h"

namespace calvora {

class UnansweredQuestion : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class BatchDialogs : public UserDialogs {
 public:
  // An answer for an input box, or nullopt when the options give none.
  using InputRule = std::function<std::optional<std::string>(const Question& question,
                                                             const std::string& defaultText)>;

  explicit BatchDialogs(std::ostream& err) : err_(err) {}

  // --yes: every Yes/No question is answered Yes.
  void AnswerYes(bool yes) { yes_ = yes; }
  // The Yes/No question id gets this answer (before --yes).
  void AnswerYesNo(QuestionId id, bool answer) { yesNo_.insert_or_assign(id, answer); }
  // The input boxes of question id are answered by the rule; hint names the option that answers
  // them, for the message when the rule gives nothing.
  void AnswerInput(QuestionId id, InputRule rule, std::string hint);
  // The next save (or open) file dialog gets this name; without one the proposed name is taken.
  void AnswerSaveFile(std::string path) { saveName_ = std::move(path); }
  void AnswerOpenFile(std::string path) { openName_ = std::move(path); }

  // Whether an error was shown (Retry/Cancel, answered Cancel): the command then failed.
  bool ErrorShown() const { return errorShown_; }
  const std::vector<std::string>& Messages() const { return messages_; }

  void Message(const std::string& text) override;
  bool YesNo(QuestionId id, const std::string& text) override;
  bool RetryCancel(const std::string& text) override;
  std::string InputBox(const Question& question, const std::string& prompt,
                       const std::string& title, const std::string& defaultText) override;
  std::string OpenFileName(const FileDialogRequest& request) override;
  std::string SaveFileName(const FileDialogRequest& request) override;

 private:
  struct InputAnswer {
    InputRule rule;
    std::string hint;
  };
  std::ostream& err_;
  bool yes_ = false;
  bool errorShown_ = false;
  std::map<QuestionId, bool> yesNo_;
  std::map<QuestionId, InputAnswer> inputs_;
  std::optional<std::string> saveName_;
  std::optional<std::string> openName_;
  std::vector<std::string> messages_;
};

// A message as a terminal shows it: a carriage return ends a line (no trailing line end), and
// the bad-variant message's station and section number stand apart.
std::string TerminalText(const std::string& text);

// Ends a progress line left unfinished on err (by BatchProgress), before other output.
void EndBatchProgressLine(std::ostream& err);

// Input rule answering from a list, one item per question, then nothing.
BatchDialogs::InputRule AnswersInTurn(std::vector<std::string> answers);
// Input rule answering from a list, then accepting the default text.
BatchDialogs::InputRule AnswersThenDefault(std::vector<std::string> answers);

// Progress on stderr, only when it is a terminal.
class BatchProgress : public Progress {
 public:
  BatchProgress(std::ostream& err, bool terminal, std::string what)
      : err_(err), terminal_(terminal), what_(std::move(what)) {}
  void Start(int maximum) override;
  bool Step(int value) override;
  void Finish() override;

 private:
  std::ostream& err_;
  bool terminal_;
  std::string what_;
  int maximum_ = 0;
};

}  // namespace calvora
