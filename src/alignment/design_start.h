#pragma once
// The opening both designs share: the loaded alignment, the design speed, the design table's
// value for it and the output file.

#include <optional>
#include <string>

#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

struct DesignStart {
  double speed = 0;
  double tableValue = 0;
  std::string output;
};

// nullopt when the command ends there (no speed, no file name). The alignment file is loaded.
std::optional<DesignStart> StartDesign(const ProjectState& state, UserDialogs& dialogs,
                                       const std::string& tableName, const std::string& extension);

}  // namespace calvora
