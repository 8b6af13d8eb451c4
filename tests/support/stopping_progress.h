#pragma once
// A progress that keeps what it was shown and asks to stop at a step (0: never).

#include <vector>

#include "project/progress.h"

namespace calvora::testing {

class StoppingProgress : public Progress {
 public:
  explicit StoppingProgress(int stopAt = 0) : stopAt_(stopAt) {}
  void Start(int shownMaximum) override { maximum = shownMaximum; }
  bool Step(int value) override {
    steps.push_back(value);
    return stopAt_ > 0 && value >= stopAt_;
  }
  void Finish() override { finished = true; }

  int maximum = -1;
  std::vector<int> steps;
  bool finished = false;

 private:
  int stopAt_;
};

}  // namespace calvora::testing
