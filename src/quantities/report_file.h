#pragma once
// A report written line by line (CR LF) through a scratch file beside its target: until Commit
// the target keeps whatever it held before.

#include <filesystem>
#include <string_view>

#include "records/scratch_file.h"

namespace calvora {

class ReportFile {
 public:
  // Creates the scratch file in the target's folder; throws FileError.
  explicit ReportFile(std::filesystem::path target) : file_(std::move(target)) {}

  const std::filesystem::path& Target() const { return file_.Target(); }

  // One line of code-page bytes, ended by CR LF.
  void Line(std::string_view bytes) {
    file_.Write(bytes);
    file_.Write("\r\n");
  }
  // The page end: a line holding only a form feed.
  void FormFeed() { Line("\f"); }

  // Puts the complete report in place; throws FileError.
  void Commit() { file_.Commit(); }

 private:
  ScratchFile file_;
};

}  // namespace calvora
