#include "shell/section_range_model.h"

#include <limits>

#include "project/scratch_output.h"
#include "shell/field_reader.h"

namespace calvora {

namespace {

// A station typed as km and m; nullopt when both are empty (an open end of the range).
std::optional<double> TypedStation(FieldReader& read, const std::string& km, const std::string& m,
                                   const char* end) {
  if (Trimmed(km).empty() && Trimmed(m).empty()) {
    return std::nullopt;
  }
  const std::string label = std::string("Station ") + end;
  return read.Whole(km, label + " km") * 1000.0 + read.Single(m, label + " metres");
}

}  // namespace

void SectionRangeModel::Ok(ProjectState& state, UserDialogs& dialogs) {
  Tag = kNotFoundTag;
  records_.clear();
  if (Option() == kByNumber) {
    ByNumber(state.Data, dialogs);
  } else {
    ByStation(state.Data, dialogs);
  }
  if (!records_.empty()) {
    Tag = kFoundTag;
  }
}

void SectionRangeModel::ByNumber(const WorkingFile& file, UserDialogs& dialogs) {
  FieldReader read;
  const int from = Trimmed(txtFromSec).empty() ? 1 : read.Whole(txtFromSec, "From section");
  const int to = Trimmed(txtToSec).empty() ? file.Count() : read.Whole(txtToSec, "To section");
  if (read.Refused()) {
    dialogs.Message(read.Refusal());
  } else if (from < 1 || to > file.Count() || from > to) {
    dialogs.Message("Section not found.");
  } else {
    for (int n = from; n <= to; ++n) {
      records_.push_back(n);
    }
  }
}

void SectionRangeModel::ByStation(const WorkingFile& file, UserDialogs& dialogs) {
  FieldReader read;
  const double from = TypedStation(read, txtFromStaKm, txtFromStaMet, "from")
                          .value_or(-std::numeric_limits<double>::infinity());
  const double to = TypedStation(read, txtToStaKm, txtToStaMet, "to")
                        .value_or(std::numeric_limits<double>::infinity());
  if (read.Refused()) {
    dialogs.Message(read.Refusal());
    return;
  }
  const bool searched = file.Loaded() && RunRetryingFileErrors(dialogs, [&] {
                          records_.clear();
                          for (int n = 1; n <= file.Count(); ++n) {
                            const auto section = ReadRecord<SectionRecord>(*file.File, n);
                            const double station = section.Kilo * 1000.0 + section.Meter;
                            if (from <= station && station <= to) {
                              records_.push_back(n);
                            }
                          }
                        });
  if (searched && records_.empty()) {
    dialogs.Message("Not found.");
  }
}

}  // namespace calvora
