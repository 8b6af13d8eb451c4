#pragma once
// What the project logic needs of the main window.

#include <string>

namespace calvora {

class ShellWindow {
 public:
  virtual ~ShellWindow() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void EnableProperties(bool enabled) = 0;
  // Closes the windows that show the open project before another takes its place (an editor
  // asks about unsaved changes first); false when one stays open.
  virtual bool CloseProjectWindows() = 0;
};

// For front ends without a window (batch mode, tests).
class NoShellWindow : public ShellWindow {
 public:
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void EnableProperties(bool enabled) override { propertiesEnabled_ = enabled; }
  bool CloseProjectWindows() override { return true; }
  const std::string& Caption() const { return caption_; }
  bool PropertiesEnabled() const { return propertiesEnabled_; }

 private:
  std::string caption_ = "Calvora";
  bool propertiesEnabled_ = false;
};

}  // namespace calvora
