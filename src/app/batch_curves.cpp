// calvora curves P.PRJ --speed V [--radius R]... [--out F_D.CRV] [--yes]: the horizontal curve
// design; the n-th --radius answers curve No. n, the other curves take the suggestion.

#include "alignment/horizontal_curve_design.h"
#include "app/batch_commands_list.h"
#include "app/batch_computation.h"

namespace calvora {

std::unique_ptr<BatchCommand> MakeCurvesCommand() {
  return MakeDesignCommand(
      {"curves", "Design a circular curve at every corner of the polygon (_D.CRV)", "--radius",
       "Radius of curve No. 1, 2, ... in turn (repeatable); the others take the suggestion"},
      [](ProjectState& state, UserDialogs& dialogs, Progress& progress, std::string& written) {
        DesignHorizontalCurves design;
        const CommandResult result = design.Run(state, dialogs, progress);
        written = design.WrittenFile();
        return result;
      });
}

}  // namespace calvora
