#pragma once
// "&Plan coordinates": X, Y and profile elevation of stations at a regular interval along the
// horizontal alignment, and of its main points, written to ".XYZ".

#include <string>

#include "project/command_result.h"
#include "project/progress.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

class CalcPlanCoordinates {
 public:
  // The alignment file is loaded (the caller checks).
  CommandResult Run(ProjectState& state, UserDialogs& dialogs, Progress& progress);
  // The file the last run wrote ("" when it wrote none).
  const std::string& WrittenFile() const { return written_; }

 private:
  std::string written_;
};

}  // namespace calvora
