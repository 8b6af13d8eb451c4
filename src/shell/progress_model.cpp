#include "shell/progress_model.h"

#include <algorithm>

namespace calvora {

void ProgressModel::Start(int maximum) {
  tag_.clear();
  maximum_ = std::max(maximum, 0);
  value_ = 0;
  visible_ = true;
}

bool ProgressModel::Step(int value) {
  value_ = std::clamp(value, 0, maximum_);
  return CancelRequested();
}

}  // namespace calvora
