#pragma once
// A working file of fixed-length records without header; record numbers are 1-based.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "records/file_error.h"

namespace calvora {

inline constexpr int kMaxRecordCount = 32767;

// Steps of rebuilding a file for insert and delete; a fault hook may throw before each. After
// the rename the scratch file's own descriptor serves the file, so no step follows it.
enum class RebuildStep { CreateScratch, CopyRecord, Flush, Rename };

// A working file too long for int16 record numbers; the file is left as it is.
class TooManyRecordsError : public FileError {
 public:
  using FileError::FileError;
};

// Whether the open descriptor serves the file that now lies at path (not one replaced since).
bool DescriptorAtPath(int fd, const std::filesystem::path& path);

// How a working file is opened: for reading and writing (created when missing), or for reading
// only (it must exist; Write, Insert and Delete are refused).
enum class FileAccess { ReadWrite, ReadOnly };

class RecordFile {
 public:
  // Opens the file, which must be a regular file. Throws FileError, or TooManyRecordsError for a
  // file holding more than 32,767 records.
  RecordFile(std::filesystem::path path, std::size_t recordLength,
             FileAccess access = FileAccess::ReadWrite);
  ~RecordFile();
  RecordFile(RecordFile&& other) noexcept;
  RecordFile& operator=(RecordFile&& other) noexcept;
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  FileAccess Access() const { return access_; }
  std::size_t RecordLength() const { return recordLength_; }
  // Whole records in the file; a trailing partial record does not count.
  int Count() const { return count_; }

  // 1 <= n <= Count(); out must hold RecordLength() bytes.
  void Read(int n, std::span<std::uint8_t> out) const;
  // Records first .. first + count - 1 in one read (all of them within 1..Count()); out must
  // hold count * RecordLength() bytes.
  void ReadRange(int first, int count, std::span<std::uint8_t> out) const;
  // Changes whenever the file's contents may have changed through this object (opened, written,
  // rebuilt, moved): a copy of bytes read at one version stays true while Version() is unchanged.
  // No two states of any files in the process share a version.
  std::uint64_t Version() const { return version_; }
  // 1 <= n <= Count() + 1; writing Count() + 1 appends.
  void Write(int n, std::span<const std::uint8_t> bytes);
  // Rebuilds the file through a scratch file beside it, replaced by one atomic rename:
  // Insert puts a zero record at p (1 <= p <= Count() + 1), Delete removes record p.
  void Insert(int p);
  void Delete(int p);
  // Puts whole new contents in place: written to a scratch file beside the file, synced and
  // renamed over it, so the file is at every moment wholly old or wholly new. Allowed also on a
  // file opened for reading only (the folder must be writable).
  void Replace(std::span<const std::uint8_t> records);
  // Opens the file again by its path, as it now is on disk.
  void Reopen();
  // Whether the descriptor serves the file that now lies at the path.
  bool StillAtPath() const;

  // For tests: called before each rebuild step; throwing aborts the rebuild.
  void SetFaultHook(std::function<void(RebuildStep)> hook) { faultHook_ = std::move(hook); }

 private:
  void OpenDescriptor();
  void RefuseReadOnly() const;
  void Recount();
  void CloseDescriptor() noexcept;
  void Rebuild(int skipOrZeroAt, bool insert);
  void Fault(RebuildStep step) const;

  std::filesystem::path path_;
  std::size_t recordLength_ = 0;
  FileAccess access_ = FileAccess::ReadWrite;
  int fd_ = -1;
  int count_ = 0;
  std::uint64_t version_ = 0;
  std::function<void(RebuildStep)> faultHook_;
};

// Typed access through the record's codec (EncodeRecord / DecodeRecord), on a RecordFile or on
// anything else with its Read and Write.
template <typename Record, typename File>
Record ReadRecord(const File& file, int n) {
  std::vector<std::uint8_t> bytes(Record::kLength);
  file.Read(n, bytes);
  Record record;
  DecodeRecord(bytes, record);
  return record;
}

template <typename Record, typename File>
void WriteRecord(File& file, int n, const Record& record) {
  std::vector<std::uint8_t> bytes(Record::kLength);
  EncodeRecord(record, bytes);
  file.Write(n, bytes);
}

}  // namespace calvora
