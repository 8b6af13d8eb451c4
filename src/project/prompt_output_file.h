#pragma once
// Proposing and confirming the name of an output file.

#include <string>
#include <vector>

#include "project/user_dialogs.h"

namespace calvora {

// Proposes the base name up to the first "." of its file name (a dot in a folder name does not
// count) plus extension (".XYZ", "_D.CRV"), asks with the title "Select XYZ File" and the filter
// "Output Files (*.XYZ)|*.XYZ" (XYZ: the extension's last three characters), confirming before
// an existing file is replaced; "" when the person cancels or confirms an empty name, or names
// one of the reserved files (refused with a message: the project's own files, say).
std::string PromptOutputFile(const std::string& baseName, const std::string& extension,
                             UserDialogs& dialogs, std::vector<ReservedFile> reserved = {});

}  // namespace calvora
