#pragma once
// A text file written through a scratch file beside its target and put in place by one atomic
// rename: until Commit the target keeps whatever it held before.

#include <filesystem>
#include <string>
#include <string_view>

namespace calvora {

class ReportFile {
 public:
  // Creates the scratch file in the target's folder; throws FileError.
  explicit ReportFile(std::filesystem::path target);
  // Removes the scratch file when Commit did not run.
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  const std::filesystem::path& Target() const { return target_; }

  // One line of code-page bytes, ended by CR LF.
  void Line(std::string_view bytes);
  // The page end: a line holding only a form feed.
  void FormFeed() { Line("\f"); }

  // Flushes, syncs and renames the scratch file over the target; throws FileError.
  void Commit();

 private:
  void Flush();

  std::filesystem::path target_;
  std::filesystem::path scratch_;
  int fd_ = -1;
  std::string buffer_;
};

}  // namespace calvora
