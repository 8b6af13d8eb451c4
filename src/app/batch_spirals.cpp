// calvora spirals P.PRJ --speed V [--parameter A]... [--out F_K.CRV] [--yes]: the spiral design;
// the n-th --parameter answers curve No. n, the other curves take the suggestion.

#include "alignment/spiral_design.h"
#include "app/batch_commands_list.h"
#include "app/batch_computation.h"

namespace calvora {

std::unique_ptr<BatchCommand> MakeSpiralsCommand() {
  return MakeDesignCommand(
      {"spirals", "Design spiral transitions on both sides of every designed curve (_K.CRV)",
       "--parameter",
       "Spiral parameter of curve No. 1, 2, ... in turn (repeatable); the others take the "
       "suggestion"},
      [](ProjectState& state, UserDialogs& dialogs, Progress& progress, std::string& written) {
        DesignSpirals design;
        const CommandResult result = design.Run(state, dialogs, progress);
        written = design.WrittenFile();
        return result;
      });
}

}  // namespace calvora
