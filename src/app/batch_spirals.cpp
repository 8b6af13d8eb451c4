// calvora spirals P.PRJ --speed V [--parameter A]... [--out F_K.CRV] [--yes]: the spiral design;
// the n-th --parameter answers curve No. n, the other curves take the suggestion.

#include "app/batch_commands_list.h"
#include "app/batch_design_answers.h"

namespace calvora {

std::unique_ptr<BatchCommand> MakeSpiralsCommand() {
  return MakeTableCommand(CommandId::SpiralCurves,
                          std::make_unique<DesignAnswers>(
                              "--parameter",
                              "Spiral parameter of curve No. 1, 2, ... in turn (repeatable); the "
                              "others take the suggestion"));
}

}  // namespace calvora
