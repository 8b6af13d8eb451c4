#pragma once
// "&Widen ground": every section's ground prolonged on both sides to a distance from the centre
// line, along its outermost ground segment. Changes the survey data file in place.

#include "project/command_result.h"
#include "project/progress.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "records/section_record.h"

namespace calvora {

class WidenGround {
 public:
  // The survey data file is loaded (the caller checks).
  CommandResult Run(ProjectState& state, UserDialogs& dialogs, Progress& progress);
};

enum class SideWidening {
  Widened,
  Unchanged,  // already wide enough, or nine points
  NoSegment,  // fewer than two points, or its two outermost points share one offset
};

// Widens one side (-1 left, +1 right) of a section to distance w (> 0) from the centre line.
SideWidening WidenSide(SectionRecord& section, int side, float w);

}  // namespace calvora
