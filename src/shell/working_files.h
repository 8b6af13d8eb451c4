#pragma once
// Opening (or creating) the three working files a project names.

#include <filesystem>
#include <string>

#include "shell/project_state.h"
#include "shell/user_dialogs.h"

namespace calvora {

enum class WorkingFileKind { Data, Variant, Alignment };

WorkingFile& WorkingFileOf(ProjectState& state, WorkingFileKind kind);
std::size_t RecordLengthOf(WorkingFileKind kind);

// Where a stored name lies on this system: as written when it exists; otherwise a file of the
// same name (compared without regard to case) beside the project file; otherwise, for a name
// from another system (drive letter, backslashes) or a relative one, the place beside the
// project file where it would be created.
std::filesystem::path ResolveWorkingFilePath(const std::string& storedName,
                                             const std::string& projectPath);

// Opens the file named in the state's file name of that kind, asking "... not found.Create New ?"
// for a missing one; No (or a refusal) leaves the kind not loaded.
void OpenWorkingFile(ProjectState& state, WorkingFileKind kind, UserDialogs& dialogs);
inline void OpenDataFile(ProjectState& s, UserDialogs& d) {
  OpenWorkingFile(s, WorkingFileKind::Data, d);
}
inline void OpenVariantFile(ProjectState& s, UserDialogs& d) {
  OpenWorkingFile(s, WorkingFileKind::Variant, d);
}
inline void OpenAlignmentFile(ProjectState& s, UserDialogs& d) {
  OpenWorkingFile(s, WorkingFileKind::Alignment, d);
}

// Brings the three names from the project record into the state and opens each that changed.
void OpenWorkingFiles(ProjectState& state, UserDialogs& dialogs);

}  // namespace calvora
