#pragma once
// Factories of the batch subcommands, one source file each.

#include <memory>

#include "app/batch_command.h"

namespace calvora {


}  // namespace calvora
