#include "alignment/scratch_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "records/file_error.h"

namespace calvora {

namespace {

void WriteAll(int fd, const std::filesystem::path& path, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t done = ::write(fd, bytes.data(), bytes.size());
    if (done < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw FileError::FromErrno(path, errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  const std::filesystem::path scratch =
      target.parent_path() / ("." + target.filename().string() + ".scratch");
  const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    throw FileError::FromErrno(target, errno);
  }
  try {
    WriteAll(fd, scratch, bytes);
    if (::fsync(fd) != 0) {
      throw FileError::FromErrno(scratch, errno);
    }
  } catch (...) {
    ::close(fd);
    ::unlink(scratch.c_str());
    throw;
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(scratch.c_str());
    throw FileError::FromErrno(scratch, error);
  }
  if (::rename(scratch.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(scratch.c_str());
    throw FileError::FromErrno(target, error);
  }
}

bool RunRetryingFileErrors(UserDialogs& dialogs, const std::function<void()>& command) {
  for (;;) {
    try {
      command();
      return true;
    } catch (const FileError& error) {
      if (!dialogs.RetryCancel(error.what())) {
        return false;
      }
    }
  }
}

}  // namespace calvora
