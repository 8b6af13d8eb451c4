#pragma once
// An output file written through a scratch file beside it: the target appears, complete, by one
// atomic rename in Commit; a scratch file not committed is removed.

#include <filesystem>
#include <fstream>

namespace calvora {

class ScratchFile {
 public:
  explicit ScratchFile(std::filesystem::path target);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // The scratch file opened for binary writing (on first use); throws FileError when it cannot.
  std::ofstream& Stream();
  // For writers that open the file themselves.
  const std::filesystem::path& ScratchPath() const { return scratch_; }
  // Closes the scratch file and renames it over the target; throws FileError on any failure.
  void Commit();

 private:
  std::filesystem::path target_;
  std::filesystem::path scratch_;
  std::ofstream stream_;
  bool committed_ = false;
};

}  // namespace calvora
