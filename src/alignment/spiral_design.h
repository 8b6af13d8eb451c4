#pragma once
// "&Spiral curves": clothoid transitions on both sides of every designed curve, their parameter
// suggested from the design speed, the radius and the side-friction table, confirmed or changed
// by the engineer, written to "_K.CRV".

#include <string>

#include "project/command_result.h"
#include "project/progress.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

class DesignSpirals {
 public:
  CommandResult Run(ProjectState& state, UserDialogs& dialogs, Progress& progress);
  // The file the last run wrote ("" when it wrote none).
  const std::string& WrittenFile() const { return written_; }

 private:
  std::string written_;
};

// The suggested spiral parameter for design speed v (km/h), radius r and side-friction factor f:
// the square root of r times the larger of the two minimum spiral lengths, to hundreds.
double SuggestedSpiralParameter(double v, double r, double f);

}  // namespace calvora
