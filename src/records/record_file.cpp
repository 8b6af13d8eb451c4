#include "records/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

#include "records/interrupt_cleanup.h"
#include "records/scratch_file.h"

namespace calvora {

FileError FileError::FromErrno(const std::filesystem::path& path, int error) {
  return FileError(path, std::strerror(error));
}

namespace {

void WriteAll(int fd, const std::filesystem::path& path, const std::uint8_t* data, std::size_t size,
              off_t offset) {
  while (size > 0) {
    const ssize_t done = ::pwrite(fd, data, size, offset);
    if (done < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw FileError::FromErrno(path, errno);
    }
    data += done;
    size -= static_cast<std::size_t>(done);
    offset += done;
  }
}

void ReadAll(int fd, const std::filesystem::path& path, std::uint8_t* data, std::size_t size,
             off_t offset) {
  while (size > 0) {
    const ssize_t done = ::pread(fd, data, size, offset);
    if (done < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw FileError::FromErrno(path, errno);
    }
    if (done == 0) {
      throw FileError(path, "Unexpected end of file");
    }
    data += done;
    size -= static_cast<std::size_t>(done);
    offset += done;
  }
}

std::uint64_t NewVersion() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

constexpr const char* kNoRoomForMore = "A working file cannot hold more than 32,767 records";

void SyncFolder(const std::filesystem::path& folder) {
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace

RecordFile::RecordFile(std::filesystem::path path, std::size_t recordLength, FileAccess access)
    : path_(std::move(path)), recordLength_(recordLength), access_(access) {
  OpenDescriptor();
}

RecordFile::~RecordFile() {
  CloseDescriptor();
}

RecordFile::RecordFile(RecordFile&& other) noexcept
    : path_(std::move(other.path_)),
      recordLength_(other.recordLength_),
      access_(other.access_),
      fd_(other.fd_),
      count_(other.count_),
      version_(other.version_),
      faultHook_(std::move(other.faultHook_)) {
  other.fd_ = -1;
  other.count_ = 0;
  other.version_ = NewVersion();
}

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
  if (this != &other) {
    CloseDescriptor();
    path_ = std::move(other.path_);
    recordLength_ = other.recordLength_;
    access_ = other.access_;
    fd_ = other.fd_;
    count_ = other.count_;
    version_ = other.version_;
    faultHook_ = std::move(other.faultHook_);
    other.fd_ = -1;
    other.count_ = 0;
    other.version_ = NewVersion();
  }
  return *this;
}

void RecordFile::OpenDescriptor() {
  const int flags = access_ == FileAccess::ReadOnly ? O_RDONLY : O_RDWR | O_CREAT;
  const int fd = ::open(path_.c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) {
    throw FileError::FromErrno(path_, errno);
  }
  fd_ = fd;
  try {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
      throw FileError::FromErrno(path_, errno);
    }
    if (!S_ISREG(info.st_mode)) {
      throw FileError(
          path_, S_ISDIR(info.st_mode) ? "It is a folder, not a file" : "It is not a regular file");
    }
    Recount();
  } catch (...) {
    CloseDescriptor();
    throw;
  }
}

void RecordFile::CloseDescriptor() noexcept {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

void RecordFile::Recount() {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) {
    throw FileError::FromErrno(path_, errno);
  }
  const auto records = static_cast<std::uintmax_t>(info.st_size) / recordLength_;
  if (records > static_cast<std::uintmax_t>(kMaxRecordCount)) {
    throw TooManyRecordsError(path_, "The file holds " + std::to_string(records) +
                                         " records, more than the 32,767 a working file can have");
  }
  count_ = static_cast<int>(records);
  version_ = NewVersion();
}

void RecordFile::Read(int n, std::span<std::uint8_t> out) const {
  ReadRange(n, 1, out);
}

void RecordFile::ReadRange(int first, int count, std::span<std::uint8_t> out) const {
  const bool firstExists = first >= 1 && first <= count_;
  if (!firstExists || count < 1 || count > count_ - first + 1 ||
      out.size() != static_cast<std::size_t>(count) * recordLength_) {
    // The first record asked for that the file does not hold.
    const int missing = firstExists && count > count_ - first + 1 ? count_ + 1 : first;
    throw FileError(path_, "Record " + std::to_string(missing) + " does not exist");
  }
  ReadAll(fd_, path_, out.data(), out.size(),
          static_cast<off_t>(static_cast<std::size_t>(first - 1) * recordLength_));
}

void RecordFile::RefuseReadOnly() const {
  if (access_ == FileAccess::ReadOnly) {
    throw FileError(path_, "The file is open for reading only");
  }
}

void RecordFile::Write(int n, std::span<const std::uint8_t> bytes) {
  RefuseReadOnly();
  if (n < 1 || n > count_ + 1 || bytes.size() != recordLength_) {
    throw FileError(path_, "Record " + std::to_string(n) + " cannot be written");
  }
  if (n > kMaxRecordCount) {
    throw TooManyRecordsError(path_, kNoRoomForMore);
  }
  WriteAll(fd_, path_, bytes.data(), recordLength_,
           static_cast<off_t>(static_cast<std::size_t>(n - 1) * recordLength_));
  Recount();
}

void RecordFile::Insert(int p) {
  RefuseReadOnly();
  if (p < 1 || p > count_ + 1) {
    throw FileError(path_, "Cannot insert at record " + std::to_string(p));
  }
  if (count_ >= kMaxRecordCount) {
    throw TooManyRecordsError(path_, kNoRoomForMore);
  }
  Rebuild(p, true);
}

void RecordFile::Delete(int p) {
  RefuseReadOnly();
  if (p < 1 || p > count_) {
    throw FileError(path_, "Record " + std::to_string(p) + " does not exist");
  }
  Rebuild(p, false);
}

void RecordFile::Replace(std::span<const std::uint8_t> records) {
  if (records.size() % recordLength_ != 0 ||
      records.size() / recordLength_ > static_cast<std::size_t>(kMaxRecordCount)) {
    throw TooManyRecordsError(path_, kNoRoomForMore);
  }
  struct stat original {};
  if (::fstat(fd_, &original) != 0) {
    throw FileError::FromErrno(path_, errno);
  }
  // A link keeps leading to the file: the file it leads to is the one replaced.
  std::error_code ec;
  const std::filesystem::path target = std::filesystem::canonical(path_, ec);
  ScratchFile scratch(ec ? path_ : target);
  scratch.SetMode(original.st_mode & 07777);
  scratch.Write(std::string_view(reinterpret_cast<const char*>(records.data()), records.size()));
  scratch.Commit();
  Reopen();
}

void RecordFile::Reopen() {
  CloseDescriptor();
  OpenDescriptor();
}

bool DescriptorAtPath(int fd, const std::filesystem::path& path) {
  struct stat open {};
  struct stat named {};
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool RecordFile::StillAtPath() const {
  return DescriptorAtPath(fd_, path_);
}

void RecordFile::Fault(RebuildStep step) const {
  if (faultHook_) {
    faultHook_(step);
  }
}

void RecordFile::Rebuild(int at, bool insert) {
  const auto folder = path_.parent_path();
  // mkostemp picks a name nobody else holds, in the file's own folder so the rename is atomic.
  std::string pattern = (folder / ("." + path_.filename().string() + ".temp.del.XXXXXX")).string();
  Fault(RebuildStep::CreateScratch);
  const int scratch = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (scratch < 0) {
    throw FileError::FromErrno(folder, errno);
  }
  const std::filesystem::path scratchPath = pattern;
  RemoveOnInterrupt(pattern.c_str());
  int written = 0;
  try {
    std::vector<std::uint8_t> record(recordLength_);
    const auto put = [&] {
      WriteAll(scratch, scratchPath, record.data(), recordLength_,
               static_cast<off_t>(static_cast<std::size_t>(written) * recordLength_));
      ++written;
    };
    for (int source = 1; source <= count_ + 1; ++source) {
      if (insert && source == at) {
        std::fill(record.begin(), record.end(), std::uint8_t{0});
        put();
      }
      if (source > count_ || (!insert && source == at)) {
        continue;
      }
      Fault(RebuildStep::CopyRecord);
      Read(source, record);
      put();
    }
    Fault(RebuildStep::Flush);
    if (::fsync(scratch) != 0) {
      throw FileError::FromErrno(scratchPath, errno);
    }
    struct stat original {};
    if (::fstat(fd_, &original) == 0) {
      ::fchmod(scratch, original.st_mode & 07777);
    }
    Fault(RebuildStep::Rename);
    if (::rename(scratchPath.c_str(), path_.c_str()) != 0) {
      throw FileError::FromErrno(path_, errno);
    }
    ForgetOnInterrupt(pattern.c_str());
  } catch (...) {
    ::close(scratch);
    ::unlink(scratchPath.c_str());
    ForgetOnInterrupt(pattern.c_str());
    throw;
  }
  // The scratch descriptor now is the file: nothing is left that could fail.
  CloseDescriptor();
  fd_ = scratch;
  count_ = written;
  version_ = NewVersion();
  SyncFolder(folder);
}

}  // namespace calvora
