#include "app/batch_dialogs.h"

#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

namespace calvora {

namespace {

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') {
      c = ' ';
    }
  }
  return text;
}

// The stream's flag: a progress line stands unfinished on it.
int ProgressLineIndex() {
  static const int index = std::ios_base::xalloc();
  return index;
}

}  // namespace

void EndBatchProgressLine(std::ostream& err) {
  long& open = err.iword(ProgressLineIndex());
  if (open != 0) {
    err << '\n';
    open = 0;
  }
}

std::string TerminalText(const std::string& text) {
  std::string lines;
  lines.reserve(text.size() + 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      // A carriage return (alone or before a line feed) ends a line.
      lines += '\n';
      i += i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
    } else {
      lines += text[i];
    }
  }
  while (!lines.empty() && lines.back() == '\n') {
    lines.pop_back();
  }
  // The bad-variant message runs the station into the section number.
  const std::string section = "Section No. =(";
  const auto at = lines.find(section);
  if (at != std::string::npos && at > 0 && lines[at - 1] != ' ' && lines[at - 1] != '\n') {
    lines.insert(at, "  ");
  }
  return lines;
}

void BatchDialogs::AnswerInput(QuestionId id, InputRule rule, std::string hint) {
  inputs_.insert_or_assign(id, InputAnswer{std::move(rule), std::move(hint)});
}

void BatchDialogs::Message(const std::string& text) {
  messages_.push_back(text);
  EndBatchProgressLine(err_);
  err_ << TerminalText(text) << '\n';
}

bool BatchDialogs::YesNo(QuestionId id, const std::string& text) {
  if (const auto answer = yesNo_.find(id); answer != yesNo_.end()) {
    return answer->second;
  }
  if (yes_) {
    return true;
  }
  throw UnansweredQuestion("The question \"" + OneLine(text) +
                           "\" needs an answer: run again with --yes to answer Yes.");
}

bool BatchDialogs::RetryCancel(const std::string& text) {
  errorShown_ = true;
  messages_.push_back(text);
  EndBatchProgressLine(err_);
  err_ << "error: " << TerminalText(text) << '\n';
  return false;
}

std::string BatchDialogs::InputBox(const Question& question, const std::string& prompt,
                                   const std::string&, const std::string& defaultText) {
  if (const auto input = inputs_.find(question.id); input != inputs_.end()) {
    if (auto answer = input->second.rule(question, defaultText)) {
      return *answer;
    }
    throw UnansweredQuestion("The question \"" + OneLine(prompt) + "\" needs an answer: use " +
                             input->second.hint + ".");
  }
  throw UnansweredQuestion("The question \"" + OneLine(prompt) +
                           "\" has no option to answer it in batch mode.");
}

std::string BatchDialogs::OpenFileName(const FileDialogRequest& request) {
  if (openName_) {
    return *std::exchange(openName_, std::nullopt);
  }
  throw UnansweredQuestion("\"" + request.title + "\" needs a file name.");
}

std::string BatchDialogs::SaveFileName(const FileDialogRequest& request) {
  std::string name = saveName_ ? *std::exchange(saveName_, std::nullopt) : request.proposedName;
  if (name.empty()) {
    throw UnansweredQuestion("\"" + request.title + "\" needs a file name: use --out.");
  }
  // Refused before the overwrite question: no answer makes it right.
  if (const auto role = ReservedRoleOf(request.reserved, name)) {
    Message(ReservedOutputRefusal(name, *role));
    return "";
  }
  std::error_code ec;
  if (request.confirmOverwrite && std::filesystem::exists(name, ec) && !yes_) {
    throw UnansweredQuestion("The file " + name +
                             " already exists: run again with --yes to replace it.");
  }
  return name;
}

BatchDialogs::InputRule AnswersInTurn(std::vector<std::string> answers) {
  auto queue = std::make_shared<std::deque<std::string>>(answers.begin(), answers.end());
  return [queue](const Question&, const std::string&) -> std::optional<std::string> {
    if (queue->empty()) {
      return std::nullopt;
    }
    std::string answer = queue->front();
    queue->pop_front();
    return answer;
  };
}

BatchDialogs::InputRule AnswersThenDefault(std::vector<std::string> answers) {
  auto inTurn = AnswersInTurn(std::move(answers));
  return [inTurn](const Question& question,
                  const std::string& defaultText) -> std::optional<std::string> {
    if (auto answer = inTurn(question, defaultText)) {
      return answer;
    }
    return defaultText;
  };
}

void BatchProgress::Start(int maximum) {
  maximum_ = maximum;
  if (terminal_) {
    EndBatchProgressLine(err_);
    err_ << what_ << ": 0 of " << maximum_ << std::flush;
    err_.iword(ProgressLineIndex()) = 1;
  }
}

bool BatchProgress::Step(int value) {
  if (terminal_) {
    // After a message the count goes on on a line of its own.
    err_ << (err_.iword(ProgressLineIndex()) != 0 ? "\r" : "") << what_ << ": " << value << " of "
         << maximum_ << std::flush;
    err_.iword(ProgressLineIndex()) = 1;
  }
  return false;
}

void BatchProgress::Finish() {
  if (terminal_) {
    EndBatchProgressLine(err_);
    err_ << std::flush;
  }
}

}  // namespace calvora
