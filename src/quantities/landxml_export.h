#pragma once
// "Export LandXML": the open project as a LandXML 1.2 file: the alignment with its geometry and
// profile, and a cross-section per surveyed section (ground, design line, cut and fill areas).

#include <string>

#include "project/command_result.h"
#include "project/progress.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

class ExportLandXml {
 public:
  // The three working files are loaded and the section settings usable (the caller checks).
  CommandResult Run(ProjectState& state, UserDialogs& dialogs, Progress& progress);
  // The file the last run wrote ("" when it wrote none).
  const std::string& WrittenFile() const { return written_; }

 private:
  std::string written_;
};

}  // namespace calvora
