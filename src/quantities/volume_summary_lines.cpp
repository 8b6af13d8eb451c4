#include "quantities/volume_summary_lines.h"

#include <fmt/format.h>

#include "quantities/report_layers.h"

namespace calvora {

std::vector<std::string> VolumeSummaryLines(const ProjectRecord& project,
                                            const VolumeRunSummary& summary) {
  std::vector<std::string> lines;
  const auto line = [&](const std::string& label, double value, const char* unit) {
    lines.push_back(fmt::format("{:<28}{:>14.2f} {}", label, value, unit));
  };
  lines.push_back(fmt::format("{:<28}{:>14}", "Sections", summary.SectionsReported));
  line("Cut", summary.Volumes.Cut, "m3");
  // The fill below a fifth layer is carried by no column and gets a line of its own.
  const std::vector<FillColumn> columns = FillParts(project);
  double fill = 0;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const double volume = i == 0 ? summary.Volumes.Fill : summary.Volumes.Layer[i - 1];
    fill += volume;
    const std::string label = !columns[i].compacted ? (i == 0 ? "Fill" : "Fill below the layers")
                                                    : fmt::format("Fill, layer {} ({:g} %)", i + 1,
                                                                  columns[i].compaction);
    line(label, volume, "m3");
  }
  if (columns.size() > 1) {
    line("Fill, all", fill, "m3");
  }
  line("Topsoil", summary.Volumes.Topsoil, "m3");
  if (summary.Transport) {
    line("Fill hauled (0524)", summary.Transport->Moved, "m3");
    line("Haul 100 to 500 m (0525)", summary.Transport->ShortHaul, "m3-hm");
    line("Haul beyond 500 m (0526)", summary.Transport->LongHaul, "m3-km");
  }
  if (summary.Cancelled) {
    lines.emplace_back("Stopped before the last section.");
  }
  if (!summary.LeftOut.empty()) {
    std::string leftOut = "Left out (data error):";
    for (const int n : summary.LeftOut) {
      leftOut += ' ' + std::to_string(n);
    }
    lines.push_back(std::move(leftOut));
  }
  lines.emplace_back("Written:");
  for (const auto& file : summary.Files) {
    lines.push_back("  " + file.string());
  }
  return lines;
}

}  // namespace calvora
