#pragma once
// A small project for the volume run's tests: two 3.5 m lanes on flat ground at 100 m,
// sections every 20 m; embankment slopes 1:2, in cut a 1 m ditch 0.5 m deep and a 1:2 cut
// slope. A section 1 m above the ground holds (7 + 11) / 2 = 9 m2 of fill, one 0.5 m below it
// 7 m2 of cut.

#include <string>
#include <vector>

#include "project/project_state.h"
#include "records/section_record.h"
#include "records/variant_record.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora::testing {

VariantRecord TwoLanes();

// Section n at the project elevation, the ground reaching groundHalfWidth to each side.
SectionRecord Section(int n, double projectElevation, double groundHalfWidth = 40);

struct SmallRoad {
  TempFolder folder;
  ProjectState state;

  // One section for each project elevation, numbered from 1; R.PRJ, R.DAT and R.VAR.
  explicit SmallRoad(const std::vector<double>& projectElevations);

  void Replace(int n, const SectionRecord& record);
  std::string Out() const;
  // The volume run's question for its quantity file, answered with Out().
  ScriptedDialogs& ExpectPrompt(ScriptedDialogs& dialogs) const;
};

}  // namespace calvora::testing
