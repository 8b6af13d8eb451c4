#include "records/record_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "support/record_bytes.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::Bytes;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr std::size_t kLength = 20;

// Record n of a test file: 20 bytes all equal to n.
Bytes RecordOf(int n) {
  return Bytes(kLength, static_cast<std::uint8_t>(n));
}
Bytes Zero() {
  return Bytes(kLength, 0);
}

Bytes FileOf(const std::vector<Bytes>& records) {
  Bytes all;
  for (const auto& r : records) {
    all.insert(all.end(), r.begin(), r.end());
  }
  return all;
}

Bytes Numbered(int count) {
  std::vector<Bytes> records;
  for (int n = 1; n <= count; ++n) {
    records.push_back(RecordOf(n));
  }
  return FileOf(records);
}

class RecordFileTest : public ::testing::Test {
 protected:
  RecordFile Make(const Bytes& content) {
    WriteBytes(path_, content);
    return RecordFile(path_, kLength);
  }
  Bytes OnDisk() const { return ReadBytes(path_); }

  TempFolder folder_;
  std::filesystem::path path_ = folder_ / "R1.CRV";
};

TEST_F(RecordFileTest, CountsWholeRecordsOnlyAndOpeningAMissingFileCreatesItEmpty) {
  EXPECT_EQ(RecordFile(path_, kLength).Count(), 0);
  EXPECT_EQ(ReadBytes(path_), Bytes{});
  EXPECT_EQ(Make(Bytes(45)).Count(), 2);
  WriteBytes(path_, Bytes(379));
  EXPECT_EQ(RecordFile(path_, 190).Count(), 1);
}

TEST_F(RecordFileTest, ReadWriteAndAppend) {
  RecordFile file = Make(Numbered(2));
  Bytes out(kLength);
  file.Read(2, out);
  EXPECT_EQ(out, RecordOf(2));
  file.Write(1, RecordOf(9));
  file.Write(3, RecordOf(7));  // one past the end appends
  EXPECT_EQ(file.Count(), 3);
  EXPECT_EQ(OnDisk(), FileOf({RecordOf(9), RecordOf(2), RecordOf(7)}));
  EXPECT_THROW(file.Read(0, out), FileError);
  EXPECT_THROW(file.Read(4, out), FileError);
  EXPECT_THROW(file.Write(5, RecordOf(1)), FileError);  // no gaps
  EXPECT_THROW(file.Write(0, RecordOf(1)), FileError);
  EXPECT_THROW(file.Insert(5), FileError);
  EXPECT_THROW(file.Insert(0), FileError);
  EXPECT_THROW(file.Delete(4), FileError);
  EXPECT_THROW(file.Delete(0), FileError);
  EXPECT_EQ(OnDisk(), FileOf({RecordOf(9), RecordOf(2), RecordOf(7)}));
}

TEST_F(RecordFileTest, WritingOverATrailingPartialRecordAppends) {
  RecordFile file = Make(FileOf({RecordOf(1), Bytes(5, 0xAA)}));
  EXPECT_EQ(file.Count(), 1);
  file.Write(2, RecordOf(2));
  EXPECT_EQ(OnDisk(), Numbered(2));
}

TEST_F(RecordFileTest, InsertAndDeleteShiftTheRecordsBehind) {
  const auto partial = Bytes(7, 0xAA);
  struct Case {
    const char* name;
    Bytes before;
    bool inserting;
    int position;
    Bytes after;
  };
  const Case cases[] = {
      {"insert at the first of three", Numbered(3), true, 1,
       FileOf({Zero(), RecordOf(1), RecordOf(2), RecordOf(3)})},
      {"insert at the third of five", Numbered(5), true, 3,
       FileOf({RecordOf(1), RecordOf(2), Zero(), RecordOf(3), RecordOf(4), RecordOf(5)})},
      {"insert into an empty file", {}, true, 1, Zero()},
      {"insert behind the last", Numbered(1), true, 2, FileOf({RecordOf(1), Zero()})},
      {"delete the second of three", Numbered(3), false, 2, FileOf({RecordOf(1), RecordOf(3)})},
      {"delete the only record", Numbered(1), false, 1, {}},
      {"a trailing partial record is dropped", FileOf({Numbered(2), partial}), false, 1,
       RecordOf(2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordFile file = Make(c.before);
    if (c.inserting) {
      file.Insert(c.position);
    } else {
      file.Delete(c.position);
    }
    EXPECT_EQ(OnDisk(), c.after);
    EXPECT_EQ(file.Count(), static_cast<int>(c.after.size() / kLength));
  }
}

TEST_F(RecordFileTest, AfterARebuildTheObjectWorksOnTheNewFileAndOtherScratchFilesStay) {
  WriteBytes(folder_ / "temp.del", Bytes{1, 2, 3});
  WriteBytes(folder_ / ".R1.CRV.temp.del.XXXXXX", Bytes{4, 5});
  RecordFile file = Make(Numbered(2));
  file.Insert(2);
  file.Write(2, RecordOf(8));
  file.Write(4, RecordOf(4));
  EXPECT_EQ(OnDisk(), FileOf({RecordOf(1), RecordOf(8), RecordOf(2), RecordOf(4)}));
  file.Delete(1);
  Bytes out(kLength);
  file.Read(1, out);
  EXPECT_EQ(out, RecordOf(8));
  EXPECT_EQ(ReadBytes(folder_ / "temp.del"), (Bytes{1, 2, 3}));
  EXPECT_EQ(ReadBytes(folder_ / ".R1.CRV.temp.del.XXXXXX"), (Bytes{4, 5}));
  EXPECT_EQ(testing::Snapshot(folder_.Path()).size(), 3U);
}

TEST_F(RecordFileTest, RebuildKeepsThePermissions) {
  RecordFile file = Make(Numbered(2));
  std::filesystem::permissions(path_, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::owner_write |
                                          std::filesystem::perms::group_read);
  file.Delete(1);
  EXPECT_EQ(std::filesystem::status(path_).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
}

struct Fault {
  RebuildStep step;
  int occurrence;  // which time the step comes (copying comes once per record)
};

class RecordFileFaultTest : public RecordFileTest,
                            public ::testing::WithParamInterface<std::tuple<Fault, bool>> {};

TEST_P(RecordFileFaultTest, AFailureAtAnyStepLeavesTheOriginalAndNoScratch) {
  const auto [fault, inserting] = GetParam();
  const Bytes original = Numbered(4);
  RecordFile file = Make(original);
  int seen = 0;
  file.SetFaultHook([&, fault = fault](RebuildStep step) {
    if (step == fault.step && ++seen == fault.occurrence) {
      throw FileError(path_, "injected failure");
    }
  });
  if (inserting) {
    EXPECT_THROW(file.Insert(2), FileError);
  } else {
    EXPECT_THROW(file.Delete(2), FileError);
  }
  EXPECT_EQ(seen, fault.occurrence) << "the step never came";
  EXPECT_EQ(OnDisk(), original);
  EXPECT_EQ(testing::Snapshot(folder_.Path()).size(), 1U);
  // The object still serves the original file, and the next attempt succeeds.
  EXPECT_EQ(file.Count(), 4);
  file.SetFaultHook(nullptr);
  if (inserting) {
    file.Insert(2);
    EXPECT_EQ(OnDisk(), FileOf({RecordOf(1), Zero(), RecordOf(2), RecordOf(3), RecordOf(4)}));
  } else {
    file.Delete(2);
    EXPECT_EQ(OnDisk(), FileOf({RecordOf(1), RecordOf(3), RecordOf(4)}));
  }
  EXPECT_EQ(testing::Snapshot(folder_.Path()).size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, RecordFileFaultTest,
                         ::testing::Combine(::testing::Values(Fault{RebuildStep::CreateScratch, 1},
                                                              Fault{RebuildStep::CopyRecord, 1},
                                                              Fault{RebuildStep::CopyRecord, 3},
                                                              Fault{RebuildStep::Flush, 1},
                                                              Fault{RebuildStep::Rename, 1}),
                                            ::testing::Bool()));

TEST_F(RecordFileTest, AFileOfMoreThan32767RecordsIsRefusedAndLeftAlone) {
  WriteBytes(path_, Bytes{1, 2, 3, 4});
  const auto size = static_cast<std::uintmax_t>(32768) * kLength;
  std::filesystem::resize_file(path_, size);  // sparse
  EXPECT_THROW(RecordFile(path_, kLength), TooManyRecordsError);
  EXPECT_EQ(std::filesystem::file_size(path_), size);
  const Bytes after = OnDisk();
  EXPECT_EQ(Bytes(after.begin(), after.begin() + 4), (Bytes{1, 2, 3, 4}));
}

TEST_F(RecordFileTest, AFullFileTakesNoMoreRecords) {
  WriteBytes(path_, {});
  std::filesystem::resize_file(path_, static_cast<std::uintmax_t>(32767) * kLength + 19);
  RecordFile file(path_, kLength);
  EXPECT_EQ(file.Count(), 32767);
  EXPECT_THROW(file.Write(32768, RecordOf(1)), TooManyRecordsError);
  EXPECT_THROW(file.Insert(1), TooManyRecordsError);
  EXPECT_EQ(std::filesystem::file_size(path_), static_cast<std::uintmax_t>(32767) * kLength + 19);
  file.Delete(32767);
  EXPECT_EQ(file.Count(), 32766);
}

TEST_F(RecordFileTest, AMissingFolderIsAFileErrorWithTheSystemText) {
  try {
    RecordFile file(folder_ / "no-such-folder" / "X.DAT", kLength);
    FAIL() << "opened a file in a missing folder";
  } catch (const FileError& error) {
    EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos)
        << error.what();
    EXPECT_EQ(error.Path(), folder_ / "no-such-folder" / "X.DAT");
  }
}

}  // namespace
}  // namespace calvora
