// calvora volumes: areas, volumes and the four quantity reports of a project.

#include <fmt/format.h>

#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "app/batch_output_options.h"
#include "app/batch_project.h"
#include "quantities/calc_volumes.h"
#include "quantities/report_layers.h"

namespace calvora {

namespace {

void PrintSummary(std::ostream& out, const ProjectRecord& project,
                  const VolumeRunSummary& summary) {
  const auto line = [&](const std::string& label, double value, const char* unit) {
    out << fmt::format("{:<28}{:>14.2f} {}\n", label, value, unit);
  };
  out << fmt::format("{:<28}{:>14}\n", "Sections", summary.SectionsReported);
  line("Cut", summary.Volumes.Cut, "m3");
  // The fill column and the layer columns, named as the report headings name them, and the
  // fill below a fifth layer, which no column carries.
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
    out << "Stopped before the last section.\n";
  }
  if (!summary.LeftOut.empty()) {
    out << "Left out (data error):";
    for (const int n : summary.LeftOut) {
      out << ' ' << n;
    }
    out << '\n';
  }
  out << "Written:\n";
  for (const auto& file : summary.Files) {
    out << "  " << file.string() << '\n';
  }
}

class VolumesCommand : public BatchCommand {
 public:
  std::string Name() const override { return "volumes"; }
  std::string Description() const override {
    return "Compute areas and volumes and write the quantity reports (.OUT, .SRF, .VOL, .TRF)";
  }

  void Configure(CLI::App& sub) override {
    sub.add_option("project", project_, "Project file (.PRJ)")->required();
    output_.Configure(sub, "Quantity file instead of the proposed name (beside the .DAT)",
                      "Replace existing reports");
  }

  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    output_.Answer(dialogs);
    ProjectState state;
    if (!OpenProjectForBatch(state, project_, context, dialogs,
                             {WorkingFileKind::Data, WorkingFileKind::Variant}) ||
        !ProjectSettingsUsable(state, dialogs)) {
      return kBatchFailed;
    }
    BatchProgress progress(context.err, context.errIsTerminal, "Sections");
    const VolumeRunSummary summary = CalcVolumes(state, dialogs, progress);
    if (!summary.Written || dialogs.ErrorShown()) {
      if (summary.BadVariant) {
        context.err << "calvora volumes: stopped at a section with a bad variant number; no "
                       "report was replaced.\n";
      }
      return kBatchFailed;
    }
    PrintSummary(context.out, state.Project, summary);
    return kBatchOk;
  }

 private:
  std::string project_;
  BatchOutputOptions output_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeVolumesCommand() {
  return std::make_unique<VolumesCommand>();
}

}  // namespace calvora
