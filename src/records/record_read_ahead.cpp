#include "records/record_read_ahead.h"

#include <algorithm>

namespace calvora {

std::span<const std::uint8_t> RecordReadAhead::Bytes(const RecordFile& file, int n) {
  const std::size_t length = file.RecordLength();
  const bool held = file.Version() == version_ && length == recordLength_ && n >= first_ &&
                    n < first_ + count_;
  if (!held) {
    // A record outside the file asks for one record: the file refuses it with its own error.
    const int count = std::clamp(file.Count() - n + 1, 1, blockRecords_);
    version_ = 0;  // nothing held while the read may fail
    block_.resize(static_cast<std::size_t>(count) * length);
    file.ReadRange(n, count, block_);
    version_ = file.Version();
    recordLength_ = length;
    first_ = n;
    count_ = count;
  }
  return std::span<const std::uint8_t>(block_).subspan(
      static_cast<std::size_t>(n - first_) * length, length);
}

}  // namespace calvora
