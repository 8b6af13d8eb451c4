#include "records/scratch_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "records/file_error.h"
#include "records/interrupt_cleanup.h"

namespace calvora {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  const auto folder = target.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

// An unnamed file in folder (O_TMPFILE); -1 where the file system or /proc does not allow one.
int OpenUnnamed(const std::filesystem::path& folder) {
  if (::access("/proc/self/fd", X_OK) != 0) {
    return -1;
  }
  return ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0644);
}

std::string UniqueSuffix() {
  static std::atomic<unsigned> counter{0};
  return std::to_string(::getpid()) + "." + std::to_string(++counter);
}

}  // namespace

ScratchFile::ScratchFile(std::filesystem::path target) : target_(std::move(target)) {
  const std::filesystem::path folder = FolderOf(target_);
  fd_ = OpenUnnamed(folder);
  if (fd_ >= 0) {
    scratch_ = "/proc/self/fd/" + std::to_string(fd_);
  } else {
    std::string pattern = (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
      throw FileError::FromErrno(target_, errno);
    }
    scratch_ = pattern;
    named_ = pattern;
    RemoveOnInterrupt(named_.c_str());
  }
  ::fchmod(fd_, 0644);
  buffer_.reserve(kFlushSize + 512);
}

ScratchFile::~ScratchFile() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
  if (!named_.empty()) {
    ::unlink(named_.c_str());
    ForgetOnInterrupt(named_.c_str());
  }
}

void ScratchFile::SetMode(mode_t mode) {
  if (::fchmod(fd_, mode) != 0) {
    throw FileError::FromErrno(target_, errno);
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

void ScratchFile::LinkIntoFolder() {
  named_ = FolderOf(target_) / ("." + target_.filename().string() + "." + UniqueSuffix());
  RemoveOnInterrupt(named_.c_str());
  if (::linkat(AT_FDCWD, scratch_.c_str(), AT_FDCWD, named_.c_str(), AT_SYMLINK_FOLLOW) != 0) {
    const int error = errno;
    ForgetOnInterrupt(named_.c_str());
    named_.clear();
    throw FileError::FromErrno(target_, error);
  }
}

void ScratchFile::Commit() {
  Flush();
  // fsync on this descriptor also covers what other writers wrote to the scratch file by name.
  if (::fsync(fd_) != 0) {
    throw FileError::FromErrno(target_, errno);
  }
  if (named_.empty()) {
    LinkIntoFolder();
  }
  if (::rename(named_.c_str(), target_.c_str()) != 0) {
    throw FileError::FromErrno(target_, errno);
  }
  ForgetOnInterrupt(named_.c_str());
  named_.clear();
  ::close(fd_);
  fd_ = -1;
  const int dir = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace calvora
