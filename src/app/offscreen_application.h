#pragma once
// The Qt application a batch command needs to paint without a display (PDF, PNG).

#include <QGuiApplication>
#include <optional>

namespace calvora {

class OffscreenApplication {
 public:
  OffscreenApplication() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application_.emplace(argc_, argv_);
  }

 private:
  int argc_ = 1;
  char name_[8] = "calvora";
  char* argv_[2] = {name_, nullptr};
  std::optional<QGuiApplication> application_;
};

}  // namespace calvora
