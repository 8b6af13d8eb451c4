#include "shell/confirmed_file_change.h"

#include "records/file_error.h"

namespace calvora {

bool ConfirmedFileChange(UserDialogs& dialogs, QuestionId id, const std::string& question,
                         const std::function<void()>& change) {
  while (dialogs.YesNo(id, question)) {
    try {
      change();
      return true;
    } catch (const FileError& error) {
      if (!dialogs.RetryCancel(error.what())) {
        return false;
      }
    }
  }
  return false;
}

}  // namespace calvora
