#pragma once
// One process changes a working file at a time: an advisory lock on the whole file, held while
// the object lives. Other runs of the program that change the file take the same lock first.

#include <sys/types.h>

#include <string>

#include "records/record_file.h"

namespace calvora {

// The file cannot be opened for writing: read-only file, folder or file system.
class ReadOnlyFileError : public FileError {
 public:
  using FileError::FileError;
};

// Another process holds the lock.
class FileInUseError : public FileError {
 public:
  FileInUseError(const std::filesystem::path& path, pid_t holder, std::string holderName);
  pid_t Holder() const { return holder_; }
  // The holder's command name, "" when unknown.
  const std::string& HolderName() const { return holderName_; }

 private:
  pid_t holder_;
  std::string holderName_;
};

class WriterLock {
 public:
  // Locks the file at file's path for this process. When the file now at the path is not the
  // one file has open (another run replaced it), file is opened again, so what it reads is what
  // is locked. Throws ReadOnlyFileError, FileInUseError or FileError.
  explicit WriterLock(RecordFile& file);
  ~WriterLock();
  WriterLock(const WriterLock&) = delete;
  WriterLock& operator=(const WriterLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace calvora
