#include "records/writer_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

namespace calvora {

namespace {

std::string CommandNameOf(pid_t pid) {
  std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
  std::string name;
  std::getline(comm, name);
  return name;
}

}  // namespace

FileInUseError::FileInUseError(const std::filesystem::path& path, pid_t holder,
                               std::string holderName)
    : FileError(path, "The file is being changed by process " + std::to_string(holder) +
                          (holderName.empty() ? "" : " (" + holderName + ")")),
      holder_(holder),
      holderName_(std::move(holderName)) {}

WriterLock::WriterLock(RecordFile& file) {
  const std::filesystem::path& path = file.Path();
  const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
  // The new contents are written beside the file.
  if (::access(folder.c_str(), W_OK) != 0) {
    throw ReadOnlyFileError(path, "The folder of the file is read-only");
  }
  for (;;) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
      const int error = errno;
      if (error == EACCES || error == EROFS || error == EPERM) {
        throw ReadOnlyFileError(path, "The file is read-only");
      }
      throw FileError::FromErrno(path, error);
    }
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(fd_, F_SETLK, &whole) != 0) {
      struct flock holder = whole;
      const bool known = ::fcntl(fd_, F_GETLK, &holder) == 0 && holder.l_type != F_UNLCK;
      ::close(fd_);
      fd_ = -1;
      if (known) {
        throw FileInUseError(path, holder.l_pid, CommandNameOf(holder.l_pid));
      }
      continue;  // released in between: try again
    }
    if (DescriptorAtPath(fd_, path)) {
      break;
    }
    ::close(fd_);  // replaced since it was opened: lock the file that is there now
  }
  if (!file.StillAtPath()) {
    file.Reopen();
  }
}

WriterLock::~WriterLock() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

}  // namespace calvora
