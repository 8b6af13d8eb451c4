#include "records/scratch_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "records/file_error.h"

namespace calvora {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

ScratchFile::ScratchFile(std::filesystem::path target) : target_(std::move(target)) {
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

ScratchFile::~ScratchFile() {
  if (fd_ >= 0) {
    ::close(fd_);
    ::unlink(scratch_.c_str());
  }
}

void ScratchFile::Write(std::string_view bytes) {
  buffer_.append(bytes);
  if (buffer_.size() >= kFlushSize) {
    Flush();
  }
}

void ScratchFile::Flush() {
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

void ScratchFile::Commit() {
  Flush();
  // fsync on this descriptor also covers what other writers wrote to the scratch file by name.
  if (::fsync(fd_) != 0) {
    throw FileError::FromErrno(target_, errno);
  }
  if (::rename(scratch_.c_str(), target_.c_str()) != 0) {
    throw FileError::FromErrno(target_, errno);
  }
  ::close(fd_);
  fd_ = -1;
  const auto folder = target_.parent_path();
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace calvora
