#include "quantities/write_volume_reports.h"

#include <algorithm>
#include <memory>

#include "records/file_error.h"
#include "shell/file_names.h"

namespace calvora {

namespace {

// The transport report with the pits that serve it, while it lasts.
class Transport {
 public:
  Transport(const std::filesystem::path& listPath, const std::filesystem::path& reportPath,
            const ProjectRecord& project, UserDialogs& dialogs)
      : listName_(FileNameOf(listPath.string())),
        list_(listPath),
        file_(reportPath),
        report_(file_, project),
        dialogs_(dialogs) {}

  bool On() const { return on_; }
  ReportFile& File() { return file_; }
  TransportReport& Report() { return report_; }

  // The transport step of one interval: the pit that serves it (the next one once the fill so
  // far exceeds the capacity so far), then the row.
  void Interval(const QuantitySection& opening, const QuantityInterval& interval) {
    if (!pit_ || needNextPit_) {
      NextPit(opening);
      if (!on_) {
        return;
      }
    }
    fill_ += report_.IntervalRow(opening, interval, *pit_);
    needNextPit_ = fill_ > capacity_;
  }

 private:
  void NextPit(const QuantitySection& opening) {
    std::string problem;
    try {
      if (auto pit = list_.Next()) {
        pit_ = *pit;
        capacity_ += pit->Capacity;
        needNextPit_ = false;
        return;
      }
      problem = pit_ ? "The borrow-pit list " + listName_ + " holds no pit after line " +
                           std::to_string(pit_->Line) + " for the fill that remains."
                     : "The borrow-pit list " + listName_ + " holds no pit.";
    } catch (const BorrowPitError& error) {
      problem = error.what();
    }
    dialogs_.Message(problem + " The transport report ends at section " +
                     std::to_string(opening.Number) + ".");
    report_.Footer();
    on_ = false;
  }

  std::string listName_;
  BorrowPitList list_;
  ReportFile file_;
  TransportReport report_;
  UserDialogs& dialogs_;
  bool on_ = true;
  std::optional<BorrowPit> pit_;
  bool needNextPit_ = false;
  double fill_ = 0;
  double capacity_ = 0;
};

}  // namespace

VolumeReportsResult WriteVolumeReports(const std::filesystem::path& quantityFile,
                                       const ProjectRecord& project,
                                       const std::vector<std::string>& notes,
                                       UserDialogs& dialogs) {
  const std::string base = StemBeforeFirstDot(quantityFile.string());
  QuantityFileReader reader(quantityFile);
  ReportFile volumeFile(base + ".VOL");
  VolumeReport volume(volumeFile, project);
  std::unique_ptr<Transport> transport;
  std::error_code ec;
  if (std::filesystem::exists(base + ".DPO", ec)) {
    transport = std::make_unique<Transport>(base + ".DPO", base + ".TRF", project, dialogs);
  }
  const bool transportWritten = transport != nullptr;
  const auto transportOn = [&] { return transport && transport->On(); };
  const auto headers = [&](int page) {
    volume.Header(page);
    if (transportOn()) {
      transport->Report().Header(page);
    }
  };
  const auto sectionRows = [&](const QuantitySection& section) {
    volume.SectionRow(section);
    if (transportOn()) {
      transport->Report().SectionRow(section);
    }
  };
  const auto footers = [&](const std::vector<std::string>& volumeNotes) {
    volume.Footer(volumeNotes);
    if (transportOn()) {
      transport->Report().Footer();
    }
  };

  int page = 1;
  headers(page);
  // Interval-and-section pairs per page; at least one, however few lines a page has.
  const int pairsPerPage = std::max(1, (project.NumLines - 7) / 2);
  int pairsOnPage = 0;
  QuantitySection section;
  if (reader.NextSection(section)) {
    sectionRows(section);
    while (!reader.AtEnd()) {
      if (pairsOnPage == pairsPerPage) {
        footers({});
        headers(++page);
        pairsOnPage = 0;
      }
      QuantityInterval interval;
      reader.NextInterval(interval);
      volume.IntervalRow(interval);
      if (transportOn()) {
        transport->Interval(section, interval);
      }
      if (!reader.NextSection(section)) {
        throw FileError(quantityFile, "The quantity file ends after an interval line");
      }
      sectionRows(section);
      ++pairsOnPage;
    }
  }
  footers(notes);

  VolumeReportsResult result;
  volumeFile.Commit();
  result.Volumes = volume.Totals();
  result.Written.push_back(volumeFile.Target());
  if (transportWritten) {
    transport->File().Commit();
    result.Transport = transport->Report().Totals();
    result.Written.push_back(transport->File().Target());
  }
  return result;
}

}  // namespace calvora
