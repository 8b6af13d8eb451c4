#pragma once
// Reads records of a working file a block at a time: a pass over consecutive records costs one
// read per block instead of one per record. Bytes are served from the block only while the
// file's version is the one they were read at, so a record written in between is read anew.

#include <cstdint>
#include <span>
#include <vector>

#include "records/record_file.h"

namespace calvora {

class RecordReadAhead {
 public:
  // Blocks of up to blockRecords records (at least 1), starting at the record asked for.
  explicit RecordReadAhead(int blockRecords) : blockRecords_(blockRecords < 1 ? 1 : blockRecords) {}

  // The bytes of record n of file, as Read would give them (same checks, same errors); valid
  // until the next call.
  std::span<const std::uint8_t> Bytes(const RecordFile& file, int n);

 private:
  int blockRecords_;
  std::vector<std::uint8_t> block_;
  std::uint64_t version_ = 0;  // no file has version 0
  int first_ = 0;
  int count_ = 0;
  std::size_t recordLength_ = 0;
};

}  // namespace calvora
