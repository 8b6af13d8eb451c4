#pragma once
// "&Calculate proj. elev.": the project elevation of every section from the grades and vertical
// curves of the alignment file, written into the survey data file after a backup of it.

#include <string>

#include "project/command_result.h"
#include "project/progress.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

class CalcProjectElevations {
 public:
  // The alignment file and the survey data file, with sections, are loaded (the caller checks).
  CommandResult Run(ProjectState& state, UserDialogs& dialogs, Progress& progress);
};

// The backup of a survey data file: its name up to the first "." and "BAK" (ROAD.DAT: ROAD.BAK).
std::string DataBackupName(const std::string& dataPath);

}  // namespace calvora
