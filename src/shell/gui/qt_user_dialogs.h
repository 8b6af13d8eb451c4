#pragma once
// The questions of the core answered with Qt's message boxes, input boxes and file dialogs.

#include <QStringList>
#include <QWidget>
#include <string>

#include "project/user_dialogs.h"

namespace calvora {

// "Project Files (*.PRJ)|*.PRJ" as Qt's name filters; each pattern also matches its lower-case
// and upper-case spelling, since the files come from systems that ignore case.
QStringList QtNameFilters(const std::string& filter);

class QtUserDialogs : public UserDialogs {
 public:
  explicit QtUserDialogs(QWidget* parent) : parent_(parent) {}

  void Message(const std::string& text) override;
  bool YesNo(QuestionId id, const std::string& text) override;
  bool RetryCancel(const std::string& text) override;
  std::string InputBox(const Question& question, const std::string& prompt,
                       const std::string& title, const std::string& defaultText) override;
  std::string OpenFileName(const FileDialogRequest& request) override;
  std::string SaveFileName(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace calvora
