#pragma once
// How a computation ended.

namespace calvora {

enum class CommandResult {
  Done,     // ran to its end and wrote its result
  Stopped,  // ended early: a question answered so, a refusal, an error or a cancel
};

}  // namespace calvora
