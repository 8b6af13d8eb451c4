#pragma once
// Every record of a working file in memory: read once, changed there, and put in place whole
// (RecordFile::Replace), so the file on disk is never half changed.

#include <cstdint>
#include <span>
#include <vector>

#include "records/record_file.h"

namespace calvora {

class RecordImage {
 public:
  // Reads all records of the file; throws FileError.
  explicit RecordImage(const RecordFile& file);

  int Count() const { return count_; }
  std::span<const std::uint8_t> Bytes() const { return bytes_; }
  // 1 <= n <= Count(); out and bytes hold one record.
  void Read(int n, std::span<std::uint8_t> out) const;
  void Write(int n, std::span<const std::uint8_t> bytes);

 private:
  std::span<std::uint8_t> Record(int n);

  std::size_t recordLength_;
  int count_;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace calvora
