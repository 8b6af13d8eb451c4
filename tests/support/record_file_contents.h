#pragma once
// Whole working files of records for tests: written from a list, read back into one.

#include <filesystem>
#include <vector>

#include "records/record_file.h"

namespace calvora::testing {

template <typename Record>
void WriteRecordFile(const std::filesystem::path& path, const std::vector<Record>& records) {
  std::filesystem::remove(path);
  RecordFile file(path, Record::kLength);
  for (std::size_t i = 0; i < records.size(); ++i) {
    WriteRecord(file, static_cast<int>(i + 1), records[i]);
  }
}

template <typename Record>
std::vector<Record> ReadRecordFile(const std::filesystem::path& path) {
  RecordFile file(path, Record::kLength);
  std::vector<Record> records;
  for (int n = 1; n <= file.Count(); ++n) {
    records.push_back(ReadRecord<Record>(file, n));
  }
  return records;
}

}  // namespace calvora::testing
