#pragma once
// Output files written whole through a scratch file beside the target and one atomic rename:
// the target is either the old file or the complete new one.

#include <filesystem>
#include <functional>
#include <string_view>

#include "project/user_dialogs.h"

namespace calvora {

// Throws FileError with the system's text when the file cannot be written.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Runs the command; a FileError becomes the system's text with Retry and Cancel, and Retry runs
// the command again from its start. False when the person cancelled after an error.
bool RunRetryingFileErrors(UserDialogs& dialogs, const std::function<void()>& command);

}  // namespace calvora
