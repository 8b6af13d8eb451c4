#include "shell/about_model.h"

namespace calvora {

std::string AboutModel::VersionText(int major, int minor, int revision) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

std::string AboutModel::Description() {
  return "Road design: survey cross sections, typical sections, alignment, curve and spiral "
         "design, plan coordinates, project elevations, areas, volumes, haul reports and "
         "cross-section drawings.";
}

std::string AboutModel::Disclaimer() {
  return "Check the results before you rely on them: quantities computed by this program are "
         "only as good as the survey data and typical sections they come from.";
}

std::string AboutModel::SystemInformation(const SystemFacts& facts) {
  std::string text;
  const auto add = [&text](const std::string& label, const std::string& value) {
    if (!value.empty()) {
      text += label + ": " + value + "\n";
    }
  };
  add("Operating system", facts.operatingSystem);
  add("Kernel", facts.kernel);
  add("Qt", facts.toolkit);
  for (std::size_t i = 0; i < facts.screens.size(); ++i) {
    add("Screen " + std::to_string(i + 1), facts.screens[i]);
  }
  if (text.empty()) {
    return kUnavailable;
  }
  text.pop_back();
  return text;
}

}  // namespace calvora
