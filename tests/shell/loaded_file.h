#pragma once
// A working file of given records in a fresh folder, loaded into a project state, read back
// byte by byte.

#include <string>
#include <vector>

#include "project/project_state.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

namespace calvora::testing {

template <typename Record>
struct LoadedFile {
  TempFolder folder;
  ProjectState state;
  WorkingFile& file;
  std::string name;

  LoadedFile(WorkingFile ProjectState::*kind, std::string fileName,
             const std::vector<Record>& records)
      : file(state.*kind), name(std::move(fileName)) {
    file.FileName = name;
    file.File.emplace(folder / name, Record::kLength);
    for (std::size_t n = 0; n < records.size(); ++n) {
      WriteRecord(*file.File, int(n) + 1, records[n]);
    }
  }
  Bytes Disk() const { return ReadBytes(folder / name); }
  // Fields of record n on disk.
  std::int16_t Int16Of(int n, std::size_t at) const { return Int16At(Disk(), Offset(n, at)); }
  float FloatOf(int n, std::size_t at) const { return FloatAt(Disk(), Offset(n, at)); }
  static std::size_t Offset(int n, std::size_t at) {
    return std::size_t(n - 1) * Record::kLength + at;
  }
  // The kilometres of every record on disk, in order.
  std::vector<std::int16_t> Kilos() const {
    const Bytes bytes = Disk();
    std::vector<std::int16_t> kilos;
    for (std::size_t at = 0; at + Record::kLength <= bytes.size(); at += Record::kLength) {
      kilos.push_back(Int16At(bytes, at));
    }
    return kilos;
  }
};

}  // namespace calvora::testing
