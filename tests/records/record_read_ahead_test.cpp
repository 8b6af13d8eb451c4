#include "records/record_read_ahead.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/record_bytes.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::Bytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr std::size_t kLength = 8;

// Record n of a test file: its bytes are n * 10 + 0 .. 7, so records and places differ.
Bytes RecordOf(int n, int salt = 0) {
  Bytes record(kLength);
  for (std::size_t i = 0; i < kLength; ++i) {
    record[i] = static_cast<std::uint8_t>(n * 10 + static_cast<int>(i) + salt);
  }
  return record;
}

Bytes Numbered(int count) {
  Bytes all;
  for (int n = 1; n <= count; ++n) {
    const Bytes r = RecordOf(n);
    all.insert(all.end(), r.begin(), r.end());
  }
  return all;
}

Bytes Copy(std::span<const std::uint8_t> bytes) {
  return Bytes(bytes.begin(), bytes.end());
}

class RecordReadAheadTest : public ::testing::Test {
 protected:
  RecordFile Make(const std::filesystem::path& path, int count) {
    WriteBytes(path, Numbered(count));
    return RecordFile(path, kLength);
  }

  TempFolder folder_;
};

TEST_F(RecordReadAheadTest, EveryRecordInAnyOrderAsTheFileHoldsIt) {
  const RecordFile file = Make(folder_ / "A.DAT", 11);
  RecordReadAhead reader(4);
  for (const int n : {1, 2, 3, 4, 5, 11, 10, 3, 9, 1, 7, 8, 6}) {
    EXPECT_EQ(Copy(reader.Bytes(file, n)), RecordOf(n)) << "record " << n;
  }
}

TEST_F(RecordReadAheadTest, RangeReadsConsecutiveRecordsAndRefusesMissingOnes) {
  const RecordFile file = Make(folder_ / "A.DAT", 5);
  Bytes three(3 * kLength);
  file.ReadRange(2, 3, three);
  EXPECT_EQ(Bytes(three.begin(), three.begin() + kLength), RecordOf(2));
  EXPECT_EQ(Bytes(three.end() - kLength, three.end()), RecordOf(4));
  Bytes two(2 * kLength);
  EXPECT_THROW(file.ReadRange(5, 2, two), FileError);
  EXPECT_THROW(file.ReadRange(0, 2, two), FileError);
  EXPECT_THROW(file.ReadRange(1, 3, two), FileError);  // buffer of the wrong size
  Bytes none;
  EXPECT_THROW(file.ReadRange(1, 0, none), FileError);
}

TEST_F(RecordReadAheadTest, ARecordWrittenOrAFileRebuiltAfterItWasReadIsReadAnew) {
  RecordFile file = Make(folder_ / "A.DAT", 6);
  RecordReadAhead reader(64);
  EXPECT_EQ(Copy(reader.Bytes(file, 2)), RecordOf(2));
  file.Write(3, RecordOf(3, 100));
  EXPECT_EQ(Copy(reader.Bytes(file, 3)), RecordOf(3, 100));
  file.Write(7, RecordOf(7));  // appended behind the block read before
  EXPECT_EQ(Copy(reader.Bytes(file, 7)), RecordOf(7));
  EXPECT_EQ(Copy(reader.Bytes(file, 2)), RecordOf(2));
  file.Delete(1);
  EXPECT_EQ(Copy(reader.Bytes(file, 2)), RecordOf(3, 100));
  file.Insert(1);
  EXPECT_EQ(Copy(reader.Bytes(file, 2)), RecordOf(2));
  EXPECT_EQ(Copy(reader.Bytes(file, 1)), Bytes(kLength, 0));
}

TEST_F(RecordReadAheadTest, TwoFilesThroughOneReaderAndAFileReopenedInPlace) {
  const RecordFile a = Make(folder_ / "A.DAT", 3);
  WriteBytes(folder_ / "B.DAT", Numbered(3));
  RecordFile b(folder_ / "B.DAT", kLength);
  b.Write(1, RecordOf(1, 50));
  RecordReadAhead reader(8);
  EXPECT_EQ(Copy(reader.Bytes(a, 1)), RecordOf(1));
  EXPECT_EQ(Copy(reader.Bytes(b, 1)), RecordOf(1, 50));
  EXPECT_EQ(Copy(reader.Bytes(a, 1)), RecordOf(1));

  // Another file moved into the same object: its own bytes, not those read before.
  WriteBytes(folder_ / "C.DAT", Numbered(3));
  RecordFile c(folder_ / "C.DAT", kLength);
  c.Write(1, RecordOf(1, 70));
  b = std::move(c);
  EXPECT_EQ(Copy(reader.Bytes(b, 1)), RecordOf(1, 70));
}

TEST_F(RecordReadAheadTest, AMissingRecordIsTheFilesErrorAndTheReaderGoesOn) {
  const RecordFile file = Make(folder_ / "A.DAT", 3);
  RecordReadAhead reader(2);
  EXPECT_EQ(Copy(reader.Bytes(file, 1)), RecordOf(1));
  EXPECT_THROW(reader.Bytes(file, 4), FileError);
  EXPECT_THROW(reader.Bytes(file, 0), FileError);
  EXPECT_EQ(Copy(reader.Bytes(file, 3)), RecordOf(3));
  EXPECT_EQ(Copy(reader.Bytes(file, 2)), RecordOf(2));
}

TEST_F(RecordReadAheadTest, AFileCutShortBehindItsBackFailsAtTheFirstMissingRecordOnly) {
  const RecordFile file = Make(folder_ / "A.DAT", 10);
  std::filesystem::resize_file(folder_ / "A.DAT", 6 * kLength);  // the object still counts 10
  RecordReadAhead reader(8);
  for (int n = 1; n <= 6; ++n) {
    EXPECT_EQ(Copy(reader.Bytes(file, n)), RecordOf(n)) << "record " << n;
  }
  EXPECT_THROW(reader.Bytes(file, 7), FileError);
}

}  // namespace
}  // namespace calvora
