// calvora elevations P.PRJ --yes: the project elevation of every section from the alignment's
// grades and vertical curves, after a backup of the survey data file.

#include "app/batch_commands_list.h"
#include "app/batch_yes_answer.h"

namespace calvora {

std::unique_ptr<BatchCommand> MakeElevationsCommand() {
  return MakeTableCommand(CommandId::ProjectElevations, std::make_unique<YesAnswer>());
}

}  // namespace calvora
