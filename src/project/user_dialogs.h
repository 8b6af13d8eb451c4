#pragma once
// The questions a computation asks a person: the GUI answers with dialogs, batch mode with
// options, tests with a script. Texts pass through unchanged; each question names itself by
// its QuestionId, which a person never sees.

#include <string>
#include <vector>

#include "project/question.h"
#include "project/reserved_files.h"

namespace calvora {

struct FileDialogRequest {
  std::string title;                   // "Select Project File"
  std::string filter;                  // "Project Files (*.PRJ)|*.PRJ" (description|pattern pairs)
  std::string proposedName;            // full path or file name filled in; may be empty
  bool mustExist = false;              // open dialogs: the file must exist
  bool confirmOverwrite = false;       // save dialogs: ask before replacing a file
  std::vector<ReservedFile> reserved;  // save dialogs: files the answer must not be
};

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // Message box with an OK button.
  virtual void Message(const std::string& text) = 0;
  // Yes/No question; true for Yes.
  virtual bool YesNo(QuestionId id, const std::string& text) = 0;
  // The system's error text with Retry and Cancel; true for Retry.
  virtual bool RetryCancel(const std::string& text) = 0;
  // Input box; the empty text on Cancel.
  virtual std::string InputBox(const Question& question, const std::string& prompt,
                               const std::string& title, const std::string& defaultText) = 0;
  // File dialogs; the empty text on Cancel.
  virtual std::string OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::string SaveFileName(const FileDialogRequest& request) = 0;
};

}  // namespace calvora
