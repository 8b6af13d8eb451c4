#pragma once
// The progress dialog without its widgets: the bar's range and value, whether it shows, and the
// cancel mark that the dialog's "Cancel" sets and the running pass reads at its next step.

#include <string>

namespace calvora {

class ProgressModel {
 public:
  static constexpr const char* kCancelMark = "CANCEL";

  // Clears the cancel mark and shows the bar with this many steps.
  void Start(int maximum);
  // Moves the bar; true when the mark asks the pass to stop.
  bool Step(int value);
  void Finish() { visible_ = false; }
  // "Cancel": sets the mark; the pass notices it at its next step.
  void Cancel() { tag_ = kCancelMark; }

  bool CancelRequested() const { return tag_ == kCancelMark; }
  int Maximum() const { return maximum_; }
  int Value() const { return value_; }
  bool Visible() const { return visible_; }

 private:
  std::string tag_;
  int maximum_ = 0;
  int value_ = 0;
  bool visible_ = false;
};

}  // namespace calvora
