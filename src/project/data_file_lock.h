#pragma once
// The lock a command takes before it changes the survey data file.

#include <memory>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "records/writer_lock.h"

namespace calvora {

// Locks the loaded survey data file for this process; nullptr after telling the person why it
// cannot be changed (read-only, or being changed by another run). Throws FileError otherwise.
std::unique_ptr<WriterLock> LockDataFile(ProjectState& state, UserDialogs& dialogs);

}  // namespace calvora
