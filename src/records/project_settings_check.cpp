#include "records/project_settings_check.h"

#include <cmath>
#include <span>
#include <sstream>

namespace calvora {

namespace {

struct Range {
  double low;
  double high;
};

// The value described for the message: never "nan" or "inf" on the screen.
std::string Described(double value) {
  if (std::isnan(value)) {
    return "is not a number";
  }
  if (std::isinf(value)) {
    return "is infinite";
  }
  std::ostringstream text;
  text << value;
  return "is " + text.str();
}

std::optional<std::string> Problem(const std::string& field, double value, Range range) {
  if (std::isfinite(value) && value >= range.low && value <= range.high) {
    return std::nullopt;
  }
  return "The project setting " + field + " " + Described(value) + " (expected " +
         std::to_string(static_cast<long long>(range.low)) + " to " +
         std::to_string(static_cast<long long>(range.high)) +
         "); the project file may be damaged. Correct it in the project properties. Nothing "
         "was computed.";
}

std::optional<std::string> ArrayProblem(const std::string& field, std::span<const float> values,
                                        Range range) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (auto problem = Problem(field + "(" + std::to_string(i + 1) + ")", values[i], range)) {
      return problem;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ProjectSettingsProblem(const ProjectRecord& project) {
  // Metres of a layer, percent of compaction, metres of stripping width, plotted metres of a
  // margin, pen widths.
  for (auto problem : {ArrayProblem("Thickness", project.Thickness, {0, 10}),
                       ArrayProblem("Compaction", project.Compaction, {0, 200}),
                       Problem("DecaThick", project.DecaThick, {0, 1000}),
                       Problem("CalcMethod", project.CalcMethod, {0, 1}),
                       Problem("DecaMethod", project.DecaMethod, {0, 1}),
                       ArrayProblem("Margin", project.Margin, {0, 1000}),
                       ArrayProblem("Pen", project.Pen, {0, 100})}) {
    if (problem) {
      return problem;
    }
  }
  return std::nullopt;
}

}  // namespace calvora
