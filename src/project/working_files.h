#pragma once
// Opening (or creating) the three working files a project names.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "project/project_state.h"
#include "project/reserved_files.h"
#include "project/user_dialogs.h"

namespace calvora {

enum class WorkingFileKind { Data, Variant, Alignment };
// In the order OpenWorkingFiles takes them.
inline constexpr WorkingFileKind kWorkingFileKinds[] = {
    WorkingFileKind::Data, WorkingFileKind::Variant, WorkingFileKind::Alignment};

WorkingFile& WorkingFileOf(ProjectState& state, WorkingFileKind kind);
const WorkingFile& WorkingFileOf(const ProjectState& state, WorkingFileKind kind);
// The project record's field that names the file of that kind.
std::string& StoredNameOf(ProjectRecord& project, WorkingFileKind kind);
const std::string& StoredNameOf(const ProjectRecord& project, WorkingFileKind kind);
std::size_t RecordLengthOf(WorkingFileKind kind);
// "Data file not found.Create New ?" and its variant and alignment forms.
std::string NotFoundQuestion(WorkingFileKind kind);

// What the file at path is open as ("project file", "data file", "variant file", "alignment
// file"), also when it does not exist yet; nullopt when it is none of them. Writing one file
// under two roles would corrupt it.
std::optional<std::string> OpenFileKindAt(const ProjectState& state,
                                          const std::filesystem::path& path);

// Where a stored name lies on this system. A relative name is taken from the project's folder.
// A name that does not exist as written is looked for without regard to case: a relative name
// in its own folder, any other name (drive letter or backslashes from another system, or an
// absolute path) beside the project file by its file name. A file not found lies where it would
// be created: as written when that folder exists on this system, else beside the project file.
std::filesystem::path ResolveWorkingFilePath(const std::string& storedName,
                                             const std::string& projectPath);

// Opens the file named in the state's file name of that kind, asking "... not found.Create New ?"
// for a missing one (with ReadOnly access a missing file is a message, never created); No, or a
// refusal (a name holding control characters, a file another kind has open, one of more than
// 32,767 records), leaves the kind not loaded.
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

// Trims the three names of the project record, brings them into the state and opens each that
// changed; an unchanged one stays open with its count and current record.
void OpenWorkingFiles(ProjectState& state, UserDialogs& dialogs);

// Opens the working files of the given kinds only, the others staying closed: what a command
// that needs just those opens. False when one of them could not be loaded (after a message
// naming it: no name in the project, missing, refused).
bool OpenWorkingFilesOf(ProjectState& state, const std::vector<WorkingFileKind>& kinds,
                        UserDialogs& dialogs);

// Closes the working files and forgets their names: a new project has none until its
// properties name them.
void CloseWorkingFiles(ProjectState& state);

// The files of the project: the project file and the working files its record names (resolved,
// whether open or not), each with what it is ("project file", "data file", ...). An output must
// be none of them.
std::vector<ReservedFile> ProjectFilesOf(const ProjectState& state);

}  // namespace calvora
