#pragma once
// "Import LandXML": an alignment of a LandXML file becomes the records of the project's
// alignment file, which it replaces whole.

#include <string>

#include "project/command_result.h"
#include "project/progress.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

class ImportLandXml {
 public:
  // The alignment file is loaded (the caller checks).
  CommandResult Run(ProjectState& state, UserDialogs& dialogs, Progress& progress);
  // The alignment read by the last run that ended well.
  const std::string& ImportedName() const { return imported_; }
  // Why the last run stopped when no message said it: the file holds several alignments and
  // none was named.
  const std::string& Unnamed() const { return unnamed_; }

 private:
  std::string imported_;
  std::string unnamed_;
};

}  // namespace calvora
