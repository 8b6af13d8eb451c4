// calvora curves P.PRJ --speed V [--radius R]... [--out F_D.CRV] [--yes]: the horizontal curve
// design; the n-th --radius answers curve No. n, the other curves take the suggestion.

#include "app/batch_commands_list.h"
#include "app/batch_design_answers.h"

namespace calvora {

std::unique_ptr<BatchCommand> MakeCurvesCommand() {
  return MakeTableCommand(
      CommandId::HorizontalCurves,
      std::make_unique<DesignAnswers>(
          "--radius",
          "Radius of curve No. 1, 2, ... in turn (repeatable); the others take the suggestion"));
}

}  // namespace calvora
