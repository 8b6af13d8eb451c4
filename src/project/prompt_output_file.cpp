#include "project/prompt_output_file.h"

#include "project/file_names.h"

namespace calvora {

std::string PromptOutputFile(const std::string& baseName, const std::string& extension,
                             UserDialogs& dialogs) {
  const std::string kind =
      extension.size() > 3 ? extension.substr(extension.size() - 3) : extension;
  FileDialogRequest request;
  request.title = "Select " + kind + " File";
  request.filter = "Output Files (*." + kind + ")|*." + kind;
  request.proposedName = StemBeforeFirstDot(baseName) + extension;
  request.confirmOverwrite = true;
  return dialogs.SaveFileName(request);
}

}  // namespace calvora
