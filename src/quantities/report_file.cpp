#include "quantities/report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "records/file_error.h"

namespace calvora {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

ReportFile::ReportFile(std::filesystem::path target) : target_(std::move(target)) {
  // mkostemp picks a name nobody else holds, in the target's own folder so the rename is atomic.
  std::string pattern =
      (target_.parent_path() / ("." + target_.filename().string() + ".XXXXXX")).string();
  fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd_ < 0) {
    throw FileError::FromErrno(target_, errno);
  }
  scratch_ = pattern;
  ::fchmod(fd_, 0644);
  buffer_.reserve(kFlushSize + 512);
}

ReportFile::~ReportFile() {
  if (fd_ >= 0) {
    ::close(fd_);
    ::unlink(scratch_.c_str());
  }
}

void ReportFile::Line(std::string_view bytes) {
  buffer_.append(bytes);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushSize) {
    Flush();
  }
}

void ReportFile::Flush() {
  const char* data = buffer_.data();
  std::size_t left = buffer_.size();
  while (left > 0) {
    const ssize_t done = ::write(fd_, data, left);
    if (done < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw FileError::FromErrno(target_, errno);
    }
    data += done;
    left -= static_cast<std::size_t>(done);
  }
  buffer_.clear();
}

void ReportFile::Commit() {
  Flush();
  if (::fsync(fd_) != 0) {
    throw FileError::FromErrno(target_, errno);
  }
  if (::rename(scratch_.c_str(), target_.c_str()) != 0) {
    throw FileError::FromErrno(target_, errno);
  }
  ::close(fd_);
  fd_ = -1;
}

}  // namespace calvora
