#include "project/prompt_output_file.h"

#include "project/file_names.h"

namespace calvora {

std::string PromptOutputFile(const std::string& baseName, const std::string& extension,
                             UserDialogs& dialogs, std::vector<ReservedFile> reserved) {
  const std::string kind =
      extension.size() > 3 ? extension.substr(extension.size() - 3) : extension;
  FileDialogRequest request;
  request.title = "Select " + kind + " File";
  request.filter = "Output Files (*." + kind + ")|*." + kind;
  request.proposedName = StemBeforeFirstDot(baseName) + extension;
  request.confirmOverwrite = true;
  request.reserved = std::move(reserved);
  const std::string name = dialogs.SaveFileName(request);
  if (const auto role = name.empty() ? std::nullopt : ReservedRoleOf(request.reserved, name)) {
    dialogs.Message(ReservedOutputRefusal(name, *role));
    return "";
  }
  return name;
}

}  // namespace calvora
