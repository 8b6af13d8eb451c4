#pragma once
// An output file written through a scratch file beside its target: the target keeps what it
// held until Commit puts the complete new file in place by one atomic rename. A scratch file
// that is never committed is removed.

#include <filesystem>
#include <string>
#include <string_view>

namespace calvora {

class ScratchFile {
 public:
  // Creates the scratch file, under a name nobody else holds, in the target's own folder;
  // throws FileError.
  explicit ScratchFile(std::filesystem::path target);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::filesystem::path& Target() const { return target_; }
  // The scratch file itself, for writers that open it by name (streams, PDF and image writers).
  const std::filesystem::path& Path() const { return scratch_; }

  // Appends bytes (buffered); throws FileError.
  void Write(std::string_view bytes);
  // Flushes, syncs to disk and renames the scratch file over the target; throws FileError.
  void Commit();

 private:
  void Flush();

  std::filesystem::path target_;
  std::filesystem::path scratch_;
  int fd_ = -1;
  std::string buffer_;
};

}  // namespace calvora
