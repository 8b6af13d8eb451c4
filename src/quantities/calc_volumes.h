#pragma once
// "&Volumes": areas of every section, volumes and surfaces between sections, and the four
// quantity reports. The GUI and the batch command run this same function.

#include <filesystem>
#include <optional>
#include <vector>

#include "project/progress.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "quantities/transport_report.h"
#include "quantities/volume_report.h"

namespace calvora {

struct VolumeRunSummary {
  bool Written = false;      // the reports were written (false: stopped before, or failed)
  int SectionCount = 0;      // sections in the survey data file
  int SectionsReported = 0;  // sections in the reports
  bool Cancelled = false;    // stopped in the progress: the reports cover the sections done
  bool BadVariant = false;   // a section names no typical cross-section: nothing was replaced
  std::vector<int> LeftOut;  // sections left out for a data error in the engine
  VolumeTotals Volumes;
  std::optional<TransportTotals> Transport;
  std::vector<std::filesystem::path> Files;  // every file written, in order
};

// Asks for the quantity file (.OUT), computes every section in record order with the section
// engine, writes the quantity file and the surfaces report (.SRF) as it goes, then the volume
// report (.VOL) and the transport report (.TRF, when a .DPO lies beside). Files are put in
// place only once complete; an I/O failure asks Retry/Cancel and Retry runs again. The survey
// data and typical cross-section files, with records, are loaded (the caller checks).
VolumeRunSummary CalcVolumes(ProjectState& state, UserDialogs& dialogs, Progress& progress);

}  // namespace calvora
