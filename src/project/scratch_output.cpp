#include "project/scratch_output.h"

#include "records/file_error.h"
#include "records/scratch_file.h"

namespace calvora {

void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  ScratchFile file(target);
  file.Write(bytes);
  file.Commit();
}

bool RunRetryingFileErrors(UserDialogs& dialogs, const std::function<void()>& command) {
  for (;;) {
    try {
      command();
      return true;
    } catch (const FileError& error) {
      if (!dialogs.RetryCancel(error.what())) {
        return false;
      }
    }
  }
}

}  // namespace calvora
