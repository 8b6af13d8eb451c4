#include "quantities/volume_reports_writer.h"

#include <algorithm>
#include <memory>

#include "project/file_names.h"
#include "records/file_error.h"

namespace calvora {

// The transport report with the pits that serve it, while it lasts.
class VolumeReportsWriter::Transport {
 public:
  Transport(const std::filesystem::path& listPath, const std::filesystem::path& reportPath,
            const ProjectRecord& project, UserDialogs& dialogs, WideFields& wide)
      : listName_(FileNameOf(listPath.string())),
        list_(listPath),
        file_(reportPath),
        report_(file_, project, wide),
        dialogs_(dialogs) {}

  bool On() const { return on_; }
  ReportFile& File() { return file_; }
  TransportReport& Report() { return report_; }

  // The transport step of one interval: the pit that serves it (the next one once the fill so
  // far exceeds the capacity so far), then the row.
  void Interval(const QuantitySection& opening, const QuantityInterval& interval,
                double fillBelowFifthLayer, const FieldPlace& place) {
    if (!pit_ || needNextPit_) {
      NextPit(opening);
      if (!on_) {
        return;
      }
    }
    fill_ += report_.IntervalRow(opening, interval, fillBelowFifthLayer, *pit_, place);
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

VolumeReportsWriter::VolumeReportsWriter(const std::filesystem::path& quantityFile,
                                         const ProjectRecord& project, UserDialogs& dialogs,
                                         WideFields& wide)
    : base_(StemBeforeFirstDot(quantityFile.string())),
      volumeFile_(base_ + ".VOL"),
      volume_(volumeFile_, project, wide),
      // At least one pair a page, however few lines a page has.
      pairsPerPage_(std::max(1, (project.NumLines - 7) / 2)) {
  std::error_code ec;
  if (std::filesystem::exists(base_ + ".DPO", ec)) {
    transport_ =
        std::make_unique<Transport>(base_ + ".DPO", base_ + ".TRF", project, dialogs, wide);
  }
  Headers();
}

VolumeReportsWriter::~VolumeReportsWriter() = default;

bool VolumeReportsWriter::TransportOn() const {
  return transport_ && transport_->On();
}

void VolumeReportsWriter::Headers() {
  volume_.Header(page_);
  if (TransportOn()) {
    transport_->Report().Header(page_);
  }
}

void VolumeReportsWriter::Footers(bool last, const std::vector<std::string>& notes) {
  if (last) {
    volume_.LastFooter(notes);
  } else {
    volume_.Footer();
  }
  if (TransportOn()) {
    transport_->Report().Footer();
  }
}

void VolumeReportsWriter::SectionRows(const QuantitySection& section) {
  volume_.SectionRow(section);
  if (TransportOn()) {
    transport_->Report().SectionRow(section);
  }
  opening_ = section;
}

void VolumeReportsWriter::FirstSection(const QuantitySection& section) {
  SectionRows(section);
}

void VolumeReportsWriter::NextPair(const QuantityInterval& interval, const QuantitySection& section,
                                   double fillBelowFifthLayer) {
  if (pairsOnPage_ == pairsPerPage_) {
    Footers(false);
    ++page_;
    Headers();
    pairsOnPage_ = 0;
  }
  const FieldPlace place = FieldPlace::Interval(opening_.Number, section.Number);
  volume_.IntervalRow(interval, place, fillBelowFifthLayer);
  if (TransportOn()) {
    transport_->Interval(opening_, interval, fillBelowFifthLayer, place);
  }
  SectionRows(section);
  ++pairsOnPage_;
}

VolumeReportsResult VolumeReportsWriter::Finish(const std::vector<std::string>& notes) {
  Footers(true, notes);
  VolumeReportsResult result;
  volumeFile_.Commit();
  result.Volumes = volume_.Totals();
  result.Written.push_back(volumeFile_.Target());
  if (transport_) {
    transport_->File().Commit();
    result.Transport = transport_->Report().Totals();
    result.Written.push_back(transport_->File().Target());
  }
  return result;
}

}  // namespace calvora
