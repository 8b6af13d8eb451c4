#pragma once
// The about box without its widgets: its texts and the system information it offers.

#include <string>
#include <vector>

namespace calvora {

struct SystemFacts {
  std::string operatingSystem;  // name and version; "" when unknown
  std::string kernel;
  std::string toolkit;               // the window system library and its version
  std::vector<std::string> screens;  // one line per screen
};

struct AboutModel {
  static constexpr const char* kTitle = "Calvora";
  static constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";

  static std::string Caption() { return std::string("About ") + kTitle; }
  // "Version " + major.minor.revision, each a plain decimal integer.
  static std::string VersionText(int major, int minor, int revision);
  static std::string Description();
  static std::string Disclaimer();
  // The system information shown by "&System Info...", or the unavailable text when no fact
  // is known.
  static std::string SystemInformation(const SystemFacts& facts);
};

}  // namespace calvora
