#pragma once
// An output file written through a scratch file beside its target: the target keeps what it
// held until Commit puts the complete new file in place by one atomic rename. A scratch file
// that is never committed leaves nothing behind: it is created without a name where the file
// system allows it (linked into the folder only at Commit), else under a hidden name that is
// removed on destruction and when the process is interrupted.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace calvora {

class ScratchFile {
 public:
  // Creates the scratch file in the target's own folder; throws FileError.
  explicit ScratchFile(std::filesystem::path target);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::filesystem::path& Target() const { return target_; }
  // A name that opens the scratch file, for writers that open it by name (streams, PDF and
  // image writers).
  const std::filesystem::path& Path() const { return scratch_; }

  // The permission bits the file will have (0644 unless told).
  void SetMode(mode_t mode);
  // Appends bytes (buffered); throws FileError.
  void Write(std::string_view bytes);
  // Flushes, syncs to disk and renames the scratch file over the target; throws FileError.
  void Commit();

 private:
  void Flush();
  // Gives the unnamed scratch file a unique hidden name beside the target.
  void LinkIntoFolder();

  std::filesystem::path target_;
  std::filesystem::path scratch_;
  std::filesystem::path named_;  // the scratch file's name in the folder, once it has one
  int fd_ = -1;
  std::string buffer_;
};

}  // namespace calvora
