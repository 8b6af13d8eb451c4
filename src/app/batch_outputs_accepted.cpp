#include "app/batch_outputs_accepted.h"

#include <filesystem>
#include <system_error>

#include "project/working_files.h"

namespace calvora {

bool OutputsAccepted(const std::vector<ReservedFile>& outputs, const ProjectState& state,
                     BatchDialogs& dialogs, const std::string& title) {
  if (const auto refusal = OutputsRefusal(outputs, ProjectFilesOf(state))) {
    dialogs.Message(*refusal);
    return false;
  }
  std::error_code ec;
  for (const ReservedFile& output : outputs) {
    if (std::filesystem::exists(output.path, ec)) {
      dialogs.AnswerSaveFile(output.path.string());
      FileDialogRequest request;
      request.title = title;
      request.confirmOverwrite = true;
      return !dialogs.SaveFileName(request).empty();
    }
  }
  return true;
}

}  // namespace calvora
