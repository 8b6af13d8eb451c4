#pragma once
// Whether the outputs of a batch run that writes them itself may be written.

#include <string>
#include <vector>

#include "app/batch_dialogs.h"
#include "project/project_state.h"
#include "project/reserved_files.h"

namespace calvora {

// None is a file of the project or another output of the run (else the message, false), and
// the first that exists is replaced only when --yes answers (title: the question's title).
bool OutputsAccepted(const std::vector<ReservedFile>& outputs, const ProjectState& state,
                     BatchDialogs& dialogs, const std::string& title);

}  // namespace calvora
