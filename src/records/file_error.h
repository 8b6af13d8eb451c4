#pragma once
// A failed file operation, with the system's own description of the error.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace calvora {

class FileError : public std::runtime_error {
 public:
  FileError(const std::filesystem::path& path, const std::string& what)
      : std::runtime_error(what + ": " + path.string()), path_(path) {}
  const std::filesystem::path& Path() const { return path_; }

  // From errno, as the system words it.
  static FileError FromErrno(const std::filesystem::path& path, int error);

 private:
  std::filesystem::path path_;
};

}  // namespace calvora
