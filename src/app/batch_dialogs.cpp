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

}  // namespace

void BatchDialogs::AnswerYesNo(std::string textContains, bool answer) {
  yesNo_.emplace_back(std::move(textContains), answer);
}

void BatchDialogs::AnswerInput(std::string promptContains, InputRule rule, std::string hint) {
  inputs_.push_back({std::move(promptContains), std::move(rule), std::move(hint)});
}

void BatchDialogs::Message(const std::string& text) {
  messages_.push_back(text);
  err_ << text << '\n';
}

bool BatchDialogs::YesNo(const std::string& text) {
  for (const auto& [words, answer] : yesNo_) {
    if (text.find(words) != std::string::npos) {
      return answer;
    }
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
  err_ << "error: " << text << '\n';
  return false;
}

std::string BatchDialogs::InputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
  for (const auto& input : inputs_) {
    if (prompt.find(input.promptContains) == std::string::npos) {
      continue;
    }
    if (auto answer = input.rule(prompt, title, defaultText)) {
      return *answer;
    }
    throw UnansweredQuestion("The question \"" + OneLine(prompt) + "\" needs an answer: use " +
                             input.hint + ".");
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
  std::error_code ec;
  if (request.confirmOverwrite && std::filesystem::exists(name, ec) && !yes_) {
    throw UnansweredQuestion("The file " + name +
                             " already exists: run again with --yes to replace it.");
  }
  return name;
}

BatchDialogs::InputRule AnswersInTurn(std::vector<std::string> answers) {
  auto queue = std::make_shared<std::deque<std::string>>(answers.begin(), answers.end());
  return [queue](const std::string&, const std::string&,
                 const std::string&) -> std::optional<std::string> {
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
  return [inTurn](const std::string& prompt, const std::string& title,
                  const std::string& defaultText) -> std::optional<std::string> {
    if (auto answer = inTurn(prompt, title, defaultText)) {
      return answer;
    }
    return defaultText;
  };
}

void BatchProgress::Start(int maximum) {
  maximum_ = maximum;
  if (terminal_) {
    err_ << what_ << ": 0 of " << maximum_ << std::flush;
  }
}

bool BatchProgress::Step(int value) {
  if (terminal_) {
    err_ << '\r' << what_ << ": " << value << " of " << maximum_ << std::flush;
  }
  return false;
}

void BatchProgress::Finish() {
  if (terminal_) {
    err_ << '\n' << std::flush;
  }
}

}  // namespace calvora
