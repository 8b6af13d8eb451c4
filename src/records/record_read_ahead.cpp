#include "records/record_read_ahead.h"

#include <algorithm>

namespace calvora {

std::span<const std::uint8_t> RecordReadAhead::Bytes(const RecordFile& file, int n) {
  const std::size_t length = file.RecordLength();
  const bool held =
      file.Version() == version_ && length == recordLength_ && n >= first_ && n < first_ + count_;
  if (!held) {
    // A record outside the file asks for one record: the file refuses it with its own error.
    int count = std::clamp(file.Count() - n + 1, 1, blockRecords_);
    version_ = 0;  // nothing held while the read may fail
    block_.resize(static_cast<std::size_t>(count) * length);
    try {
      file.ReadRange(n, count, block_);
    } catch (const FileError&) {
      if (count == 1) {
        throw;
      }
      // A file cut short behind our back: record n alone, so an error names the record read.
      block_.resize(length);
      file.ReadRange(n, 1, block_);
      count = 1;
    }
    version_ = file.Version();
    recordLength_ = length;
    first_ = n;
    count_ = count;
  }
  return std::span<const std::uint8_t>(block_).subspan(
      static_cast<std::size_t>(n - first_) * length, length);
}

}  // namespace calvora
