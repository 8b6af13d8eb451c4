#include "shell/command_table.h"

#include <algorithm>

#include "alignment/ground_widening.h"
#include "alignment/horizontal_curve_design.h"
#include "alignment/landxml_import.h"
#include "alignment/plan_coordinates.h"
#include "alignment/project_elevations.h"
#include "alignment/spiral_design.h"
#include "quantities/calc_volumes.h"
#include "quantities/landxml_export.h"
#include "quantities/volume_summary_lines.h"

namespace calvora {

namespace {

std::vector<std::string> FileLines(const char* heading, const std::string& path) {
  return {heading, "  " + path};
}

// The lines are printed only when the run came to its end.
CommandReport Reported(CommandResult result, std::vector<std::string> lines) {
  if (result != CommandResult::Done) {
    lines.clear();
  }
  return CommandReport{result, std::move(lines)};
}

// A computation that writes one file and names it afterwards.
template <typename Computation>
CommandReport RunWriting(ProjectState& state, UserDialogs& dialogs, Progress& progress) {
  Computation computation;
  const CommandResult result = computation.Run(state, dialogs, progress);
  return Reported(result, FileLines("Written:", computation.WrittenFile()));
}

CommandReport RunVolumes(ProjectState& state, UserDialogs& dialogs, Progress& progress) {
  const VolumeRunSummary summary = CalcVolumes(state, dialogs, progress);
  if (!summary.Written) {
    if (summary.BadVariant) {
      return {CommandResult::Stopped,
              {"stopped at a section with a bad variant number; no report was replaced."}};
    }
    return {};
  }
  return {CommandResult::Done, VolumeSummaryLines(state.Project, summary)};
}

CommandReport RunElevations(ProjectState& state, UserDialogs& dialogs, Progress& progress) {
  const CommandResult result = CalcProjectElevations().Run(state, dialogs, progress);
  const std::string data = state.Data.File->Path().string();
  std::vector<std::string> lines = FileLines("Updated:", data);
  const std::vector<std::string> backup = FileLines("Backup:", DataBackupName(data));
  lines.insert(lines.end(), backup.begin(), backup.end());
  return Reported(result, std::move(lines));
}

CommandReport RunWidening(ProjectState& state, UserDialogs& dialogs, Progress& progress) {
  const CommandResult result = WidenGround().Run(state, dialogs, progress);
  return Reported(result, FileLines("Updated:", state.Data.File->Path().string()));
}

CommandReport RunImport(ProjectState& state, UserDialogs& dialogs, Progress& progress) {
  ImportLandXml import;
  const CommandResult result = import.Run(state, dialogs, progress);
  if (!import.Unnamed().empty()) {
    return {result, {import.Unnamed()}};
  }
  return Reported(result, {"Imported: " + import.ImportedName(),
                           "  into " + state.Align.File->Path().string()});
}

constexpr FileNeed kAlignment{WorkingFileKind::Alignment};
constexpr FileNeed kSections{WorkingFileKind::Data, true};
constexpr FileNeed kTypicalSections{WorkingFileKind::Variant, true};

}  // namespace

const std::vector<CommandEntry>& CommandTable() {
  static const std::vector<CommandEntry> table = {
      {CommandId::Volumes,
       "mnuCalcVol",
       "&Volumes",
       "volumes",
       "Compute areas and volumes and write the quantity reports (.OUT, .SRF, .VOL, .TRF)",
       {kSections, kTypicalSections},
       true,
       false,
       RunVolumes},
      {CommandId::PlanCoordinates,
       "mnuCalcXYZ",
       "&Plan coordinates",
       "coordinates",
       "Write the plan coordinates of the stations along the alignment (.XYZ)",
       {kAlignment},
       false,
       false,
       RunWriting<CalcPlanCoordinates>},
      {CommandId::HorizontalCurves,
       "mnuDesignHcurve",
       "&Horizontal curves",
       "curves",
       "Design a circular curve at every corner of the polygon (_D.CRV)",
       {kAlignment},
       false,
       false,
       RunWriting<DesignHorizontalCurves>},
      {CommandId::SpiralCurves,
       "mnuDesignKloto",
       "&Spiral curves",
       "spirals",
       "Design spiral transitions on both sides of every designed curve (_K.CRV)",
       {kAlignment},
       false,
       false,
       RunWriting<DesignSpirals>},
      {CommandId::ProjectElevations,
       "mnuToolProj",
       "&Calculate proj. elev.",
       "elevations",
       "Calculate the project elevations of the sections (backup of the .DAT first)",
       {kAlignment, kSections},
       false,
       true,
       RunElevations},
      {CommandId::WidenGround,
       "mnuToolWid",
       "&Widen ground",
       "widen",
       "Widen the ground of every section to a distance from the centre line (no backup)",
       {{WorkingFileKind::Data}},
       false,
       true,
       RunWidening},
      {CommandId::CrossSections,
       "mnuDrawCross",
       "&Cross Sections",
       "",
       "",
       {kSections, kTypicalSections},
       true,
       false,
       nullptr},
      {CommandId::LongitudinalSection,
       "mnuDrawProf",
       "&Longitudinal Section",
       "",
       "",
       {kSections},
       false,
       false,
       nullptr},
      {CommandId::MassHaul,
       "mnuDrawBrok",
       "&Brokner Diagram",
       "",
       "",
       {kSections, kTypicalSections},
       true,
       false,
       nullptr},
      {CommandId::Plan, "mnuDrawPlan", "&Plan", "", "", {kAlignment}, false, false, nullptr},
      {CommandId::ExportLandXml,
       "mnuFileExportLandXml",
       "&Export LandXML…",
       "landxml",
       "Export the alignment, its profile and the cross-sections as LandXML 1.2 (.xml)",
       {kAlignment, {WorkingFileKind::Data}, {WorkingFileKind::Variant}},
       true,
       false,
       RunWriting<ExportLandXml>},
      {CommandId::ImportLandXml,
       "mnuFileImportLandXml",
       "&Import LandXML…",
       "landxml-import",
       "Replace the alignment file's records by an alignment of a LandXML file",
       {kAlignment},
       false,
       false,
       RunImport},
  };
  return table;
}

const CommandEntry& Command(CommandId id) {
  const auto& table = CommandTable();
  return *std::find_if(table.begin(), table.end(),
                       [id](const CommandEntry& entry) { return entry.id == id; });
}

}  // namespace calvora
