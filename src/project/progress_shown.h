#pragma once
// Shows the progress bar for a scope and hides it on every way out.

#include "project/progress.h"

namespace calvora {

class ProgressShown {
 public:
  ProgressShown(Progress& progress, int maximum) : progress_(progress) { progress_.Start(maximum); }
  ~ProgressShown() { progress_.Finish(); }
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;

 private:
  Progress& progress_;
};

}  // namespace calvora
