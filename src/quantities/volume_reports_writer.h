#pragma once
// The volume report (.VOL) and, when a borrow-pit list (.DPO) lies beside the quantity file,
// the transport report (.TRF), written from the quantity file's lines as they are read back:
// the first section, then each interval with the section that closes it.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "project/user_dialogs.h"
#include "quantities/quantity_file.h"
#include "quantities/report_file.h"
#include "quantities/transport_report.h"
#include "quantities/volume_report.h"
#include "records/project_record.h"

namespace calvora {

struct VolumeReportsResult {
  VolumeTotals Volumes;
  std::optional<TransportTotals> Transport;  // when the transport report was written
  std::vector<std::filesystem::path> Written;
};

// Both reports go next to the quantity file (its name up to the first "." with ".VOL", ".TRF",
// ".DPO") through scratch files, put in place together by Finish; left unfinished they replace
// nothing. A borrow-pit line that is not a pit, or a list that runs out while intervals remain,
// is told through dialogs and ends the transport report there; the volume report is always
// complete. Throws FileError on an I/O failure.
class VolumeReportsWriter {
 public:
  // Numbers too wide for their columns are noted in wide.
  VolumeReportsWriter(const std::filesystem::path& quantityFile, const ProjectRecord& project,
                      UserDialogs& dialogs, WideFields& wide);
  ~VolumeReportsWriter();
  VolumeReportsWriter(const VolumeReportsWriter&) = delete;
  VolumeReportsWriter& operator=(const VolumeReportsWriter&) = delete;

  void FirstSection(const QuantitySection& section);
  // fillBelowFifthLayer: the interval's fill below a fifth compaction layer, which the quantity
  // file does not hold (0 with fewer layers).
  void NextPair(const QuantityInterval& interval, const QuantitySection& section,
                double fillBelowFifthLayer = 0);
  // notes go after the last totals of the volume report.
  VolumeReportsResult Finish(const std::vector<std::string>& notes);

 private:
  class Transport;

  bool TransportOn() const;
  void Headers();
  // The footers of the page; the volume report's last one closes with the notes.
  void Footers(bool last, const std::vector<std::string>& notes = {});
  void SectionRows(const QuantitySection& section);

  std::string base_;
  ReportFile volumeFile_;
  VolumeReport volume_;
  std::unique_ptr<Transport> transport_;
  int pairsPerPage_;
  int pairsOnPage_ = 0;
  int page_ = 1;
  QuantitySection opening_;  // the section before the next interval
};

// The reports from a quantity file on disk (it holds no fill below a fifth layer); wide
// numbers are told through dialogs.
VolumeReportsResult WriteVolumeReports(const std::filesystem::path& quantityFile,
                                       const ProjectRecord& project,
                                       const std::vector<std::string>& notes, UserDialogs& dialogs);

}  // namespace calvora
