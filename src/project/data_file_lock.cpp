#include "project/data_file_lock.h"

namespace calvora {

std::unique_ptr<WriterLock> LockDataFile(ProjectState& state, UserDialogs& dialogs) {
  const std::string path = state.Data.File->Path().string();
  try {
    return std::make_unique<WriterLock>(*state.Data.File);
  } catch (const ReadOnlyFileError&) {
    dialogs.Message("The data file " + path +
                    " is read-only (the file or its folder): it was left as it is.");
  } catch (const FileInUseError& error) {
    dialogs.Message("The data file " + path + " is being changed by another run (process " +
                    std::to_string(error.Holder()) +
                    (error.HolderName().empty() ? "" : ", " + error.HolderName()) +
                    "). It was left as it is; try again when that run has ended.");
  }
  return nullptr;
}

}  // namespace calvora
