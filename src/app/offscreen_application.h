#pragma once
// A QGuiApplication on the offscreen platform: fonts and painting for printing without a
// display.

#include <QGuiApplication>

namespace calvora {

class OffscreenApplication {
 public:
  OffscreenApplication() : application_((qputenv("QT_QPA_PLATFORM", "offscreen"), argc_), argv_) {}

 private:
  int argc_ = 1;
  char name_[8] = "calvora";
  char* argv_[2] = {name_, nullptr};
  QGuiApplication application_;
};

}  // namespace calvora
