#pragma once
// The volume report (.VOL) and, when a borrow-pit list (.DPO) lies beside the quantity file,
// the transport report (.TRF), made from the quantity file alone.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "quantities/transport_report.h"
#include "quantities/volume_report.h"
#include "records/project_record.h"
#include "shell/user_dialogs.h"

namespace calvora {

struct VolumeReportsResult {
  VolumeTotals Volumes;
  std::optional<TransportTotals> Transport;  // when the transport report was written
  std::vector<std::filesystem::path> Written;
};

// Writes both reports next to the quantity file (its name up to the first "." with ".VOL",
// ".TRF", ".DPO") and puts them in place together at the end. notes go after the last totals
// of the volume report. A borrow-pit line that is not a pit, or a list that runs out while
// intervals remain, is told through dialogs and ends the transport report there; the volume
// report is always complete. Throws FileError on an I/O failure (nothing is replaced then).
VolumeReportsResult WriteVolumeReports(const std::filesystem::path& quantityFile,
                                       const ProjectRecord& project,
                                       const std::vector<std::string>& notes, UserDialogs& dialogs);

}  // namespace calvora
