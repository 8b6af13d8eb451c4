#include "shell/find_section_model.h"

#include "project/scratch_output.h"
#include "shell/field_reader.h"

namespace calvora {

namespace {

// The first record from 1 up whose station is km + m, read into the file's buffer; 0 when
// none. The typed metres are compared at the single precision they are stored in.
template <typename Record>
int FirstAtStation(const RecordFile& file, Record& buffer, std::int16_t km, float m) {
  for (int n = 1; n <= file.Count(); ++n) {
    buffer = ReadRecord<Record>(file, n);
    if (buffer.Kilo == km && buffer.Meter == m) {
      return n;
    }
  }
  return 0;
}

}  // namespace

void FindSectionModel::Ok(ProjectState& state, UserDialogs& dialogs) {
  const bool data = Tag == kDataFindTag;
  WorkingFile& file = data ? state.Data : state.Align;
  Tag = kNotFoundTag;
  FieldReader read;
  if (option_ == kByNumber) {
    const int n = read.Whole(txtFromSec, "Section number");
    if (read.Refused()) {
      dialogs.Message(read.Refusal());
    } else if (n < 1 || n > file.Count()) {
      dialogs.Message("Section not found.");
    } else {
      file.Current = n;
      Tag = kFoundTag;
    }
    return;
  }
  if (Trimmed(txtFromStaKm).empty() && Trimmed(txtFromStaMet).empty()) {
    file.Current = 1;
    Tag = kFoundTag;
    return;
  }
  const std::int16_t km = read.Whole(txtFromStaKm, "Station km");
  const float m = read.Single(txtFromStaMet, "Station metres");
  if (read.Refused()) {
    dialogs.Message(read.Refusal());
    return;
  }
  int found = 0;
  const bool searched = file.Loaded() && RunRetryingFileErrors(dialogs, [&] {
                          found = data ? FirstAtStation(*file.File, state.DataRec, km, m)
                                       : FirstAtStation(*file.File, state.AlignRec, km, m);
                        });
  if (!searched) {
    return;
  }
  if (found == 0) {
    dialogs.Message("Not found.");
    return;
  }
  file.Current = found;
  Tag = kFoundTag;
}

}  // namespace calvora
