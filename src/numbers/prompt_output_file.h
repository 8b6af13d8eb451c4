#pragma once
// Proposing and confirming the name of an output file.

#include <string>

#include "shell/user_dialogs.h"

namespace calvora {

// Proposes the base name up to the first "." of its file name plus extension (".XYZ",
// "_D.CRV"), asks with "Select XYZ File" and its filter; "" when the person cancels.
std::string PromptOutputFile(const std::string& baseName, const std::string& extension,
                             UserDialogs& dialogs);

}  // namespace calvora
