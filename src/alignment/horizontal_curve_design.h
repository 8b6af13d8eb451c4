#pragma once
// "&Horizontal curves": a circular curve at every corner of the polygon, its radius suggested
// by the design-speed table and confirmed or changed by the engineer, written to "_D.CRV".

#include <string>

#include "project/command_result.h"
#include "project/progress.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

class DesignHorizontalCurves {
 public:
  CommandResult Run(ProjectState& state, UserDialogs& dialogs, Progress& progress);
  // The file the last run wrote ("" when it wrote none).
  const std::string& WrittenFile() const { return written_; }

 private:
  std::string written_;
};

}  // namespace calvora
