#pragma once
// Progress of a long pass; the person may ask it to stop.

#include <string>

namespace calvora {

class Progress {
 public:
  virtual ~Progress() = default;

  // Clears the cancel mark and shows the bar with this many steps.
  virtual void Start(int maximum) = 0;
  // Moves the bar to value and lets the person react; true when asked to stop.
  virtual bool Step(int value) = 0;
  // Hides the bar.
  virtual void Finish() = 0;
};

// For passes nobody watches.
class SilentProgress : public Progress {
 public:
  void Start(int) override {}
  bool Step(int) override { return false; }
  void Finish() override {}
};

}  // namespace calvora
