#include "project/working_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/record_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::ReadBytes;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::WriteBytes;

constexpr const char* kDataMissing = "Data file not found.Create New ?";
constexpr const char* kVariantMissing = "Variant file not found.Create New ?";
constexpr const char* kAlignMissing = "Alignment file not found.Create New ?";

std::vector<std::string> Listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    names.push_back(fs::relative(entry.path(), folder).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class WorkingFilesTest : public ::testing::Test {
 protected:
  WorkingFilesTest() { state_.ProjectPath = (folder_ / "ROAD.PRJ").string(); }

  std::string In(const std::string& name) const { return (folder_ / name).string(); }
  void Name(const std::string& data, const std::string& variant, const std::string& align) {
    state_.Project.DataFile = data;
    state_.Project.VariantFile = variant;
    state_.Project.AlignFile = align;
  }

  TempFolder folder_;
  ProjectState state_;
  ScriptedDialogs dialogs_;
};

TEST_F(WorkingFilesTest, MissingFilesAreOfferedInOrderAndNoLeavesTheKindNotLoaded) {
  Name(In("R.DAT"), In("R.VAR"), In("R.CRV"));
  dialogs_.ExpectYesNo(kDataMissing, true)
      .ExpectYesNo(kVariantMissing, true)
      .ExpectYesNo(kAlignMissing, false);
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_TRUE(state_.Data.Loaded());
  EXPECT_EQ(state_.Data.Count(), 0);
  EXPECT_EQ(state_.Data.Current, 1);
  EXPECT_TRUE(state_.Var.Loaded());
  EXPECT_FALSE(state_.Align.Loaded());
  EXPECT_EQ(state_.Align.FileName, "");
  EXPECT_EQ(state_.Project.AlignFile, In("R.CRV"));  // the record keeps the name
  EXPECT_EQ(Listing(folder_.Path()), (std::vector<std::string>{"R.DAT", "R.VAR"}));

  // The next run asks about the alignment file only, and again.
  dialogs_.ExpectYesNo(kAlignMissing, true);
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_TRUE(state_.Align.Loaded());
  EXPECT_EQ(state_.Align.File->Path(), folder_ / "R.CRV");
}

TEST_F(WorkingFilesTest, NamesAreTrimmedAndAnUnchangedNameKeepsTheOpenFileAndItsRecord) {
  WriteBytes(folder_ / "R.DAT", std::vector<std::uint8_t>(3 * 190 + 189));
  Name("   " + In("R.DAT") + "     ", "", "");
  OpenWorkingFiles(state_, dialogs_);
  ASSERT_TRUE(state_.Data.Loaded());
  EXPECT_EQ(state_.Data.FileName, In("R.DAT"));
  EXPECT_EQ(state_.Data.Count(), 3);  // a partial record does not count
  state_.Data.Current = 3;
  // Two more records appear behind the program's back: a reopen would count them.
  WriteBytes(folder_ / "R.DAT", std::vector<std::uint8_t>(5 * 190));
  state_.Project.DataFile = "  " + In("R.DAT") + "  ";
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_EQ(state_.Data.Count(), 3);
  EXPECT_EQ(state_.Data.Current, 3);
  EXPECT_EQ(state_.Project.DataFile, In("R.DAT"));
}

TEST_F(WorkingFilesTest, ANewNameReopensAndResetsTheCurrentRecord) {
  WriteBytes(folder_ / "A.CRV", std::vector<std::uint8_t>(40));
  WriteBytes(folder_ / "B.CRV", std::vector<std::uint8_t>(60));
  Name("", "", In("A.CRV"));
  OpenWorkingFiles(state_, dialogs_);
  state_.Align.Current = 2;
  state_.Project.AlignFile = In("B.CRV");
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_EQ(state_.Align.File->Path(), folder_ / "B.CRV");
  EXPECT_EQ(state_.Align.Count(), 3);
  EXPECT_EQ(state_.Align.Current, 1);
}

TEST_F(WorkingFilesTest, EmptyNamesAskNothingAndLoadNothing) {
  Name("", "   ", "");
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_FALSE(state_.Data.Loaded());
  EXPECT_FALSE(state_.Var.Loaded());
  EXPECT_FALSE(state_.Align.Loaded());
  EXPECT_EQ(state_.Project.VariantFile, "");
  EXPECT_TRUE(Listing(folder_.Path()).empty());
}

TEST_F(WorkingFilesTest, TheDataFileIsLookedForWhereItsNameLeads) {
  struct Case {
    const char* name;
    std::string named;
    std::string existing;  // "" when the file is created after Yes
    std::string opened;    // relative to the project's folder
  };
  const std::string elsewhere = (folder_ / "elsewhere" / "R.DAT").string();
  const Case cases[] = {
      {"a foreign path beside the project, without regard to case", "C:\\SURVEY\\ROAD.DAT",
       "road.dat", "road.dat"},
      {"a foreign path created beside the project", "D:\\Work\\Roads\\R7.DAT", "", "R7.DAT"},
      {"a network path created beside the project", "\\\\server\\share\\R8.DAT", "", "R8.DAT"},
      {"an absolute path of another machine beside the project",
       "/no-such-calvora-folder/roads/r.dat", "R.DAT", "R.DAT"},
      {"an absolute path in an existing folder where it is named", elsewhere, "",
       "elsewhere/R.DAT"},
      {"a relative name from the project's folder", "sub/R.DAT", "sub/r.dat", "sub/r.dat"},
  };
  fs::create_directory(folder_ / "elsewhere");
  fs::create_directory(folder_ / "sub");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectState state;
    state.ProjectPath = state_.ProjectPath;
    state.Project.DataFile = c.named;
    if (c.existing.empty()) {
      dialogs_.ExpectYesNo(kDataMissing, true);
    } else {
      WriteBytes(folder_ / c.existing, std::vector<std::uint8_t>(190));
    }
    OpenWorkingFiles(state, dialogs_);
    ASSERT_TRUE(state.Data.Loaded());
    EXPECT_EQ(state.Data.File->Path(), folder_ / c.opened);
    EXPECT_EQ(state.Data.FileName, c.named);
    EXPECT_TRUE(dialogs_.Done());
    fs::remove(folder_ / c.opened);
  }
  EXPECT_FALSE(fs::exists("/no-such-calvora-folder"));
  EXPECT_FALSE(fs::exists("D:\\Work\\Roads\\R7.DAT"));
  EXPECT_EQ(Listing(folder_.Path()), (std::vector<std::string>{"elsewhere", "sub"}));
}

TEST(ResolveWorkingFilePath, PrefersTheExactNameOverOtherCases) {
  TempFolder folder;
  WriteBytes(folder / "R.DAT", {});
  WriteBytes(folder / "r.dat", {});
  const std::string project = (folder / "P.PRJ").string();
  EXPECT_EQ(ResolveWorkingFilePath("C:\\X\\r.dat", project), folder / "r.dat");
  EXPECT_EQ(ResolveWorkingFilePath("C:\\X\\R.DAT", project), folder / "R.DAT");
  EXPECT_EQ(ResolveWorkingFilePath("C:\\X\\R.dat", project), folder / "R.DAT");  // first by name
  EXPECT_EQ(ResolveWorkingFilePath("C:R.DAT", project), folder / "R.DAT");
}

TEST_F(WorkingFilesTest, TwoKindsNamingTheSameFileAreRefused) {
  WriteBytes(folder_ / "same.dat", std::vector<std::uint8_t>(190 * 4));
  Name(In("same.dat"), In("./same.dat"), "E:\\OLD\\SAME.DAT");
  const std::string path = In("same.dat");
  dialogs_
      .ExpectMessage("The variant file " + In("./same.dat") +
                     " is already open as the data file of this project. Choose another file.")
      .ExpectMessage("The alignment file " + path +
                     " is already open as the data file of this project. Choose another file.");
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_TRUE(state_.Data.Loaded());
  EXPECT_FALSE(state_.Var.Loaded());
  EXPECT_FALSE(state_.Align.Loaded());
  EXPECT_EQ(ReadBytes(folder_ / "same.dat").size(), 190U * 4);
}

TEST_F(WorkingFilesTest, TwoKindsNamingTheSameNewFileAreRefusedAfterTheFirstIsCreated) {
  Name(In("new.dat"), In("sub/../new.dat"), "");
  fs::create_directory(folder_ / "sub");
  dialogs_.ExpectYesNo(kDataMissing, true).ExpectAnyMessage();
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_TRUE(state_.Data.Loaded());
  EXPECT_FALSE(state_.Var.Loaded());
}

TEST_F(WorkingFilesTest, AFileOpenUnderAnotherKindIsRefusedEvenWhenGoneFromDisk) {
  Name(In("gone.dat"), "", "");
  dialogs_.ExpectYesNo(kDataMissing, true);
  OpenWorkingFiles(state_, dialogs_);
  fs::remove(folder_ / "gone.dat");
  state_.Project.AlignFile = In("gone.dat");
  dialogs_.ExpectAnyMessage();  // refused before any "Create New ?"
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_FALSE(state_.Align.Loaded());
  EXPECT_FALSE(fs::exists(folder_ / "gone.dat"));
}

TEST_F(WorkingFilesTest, TheProjectFileIsNoWorkingFile) {
  WriteBytes(folder_ / "ROAD.PRJ", Bytes(728, ' '));
  state_.ProjectFile.emplace(folder_ / "ROAD.PRJ", 728);
  Name("ROAD.PRJ", "", "");
  dialogs_.ExpectMessage("The data file " + In("ROAD.PRJ") +
                         " is already open as the project file of this project. Choose another "
                         "file.");
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_FALSE(state_.Data.Loaded());
  EXPECT_EQ(ReadBytes(folder_ / "ROAD.PRJ"), Bytes(728, ' '));
}

TEST_F(WorkingFilesTest, NamesSwappedBetweenKindsAreNoClash) {
  WriteBytes(folder_ / "one", std::vector<std::uint8_t>(190 * 488));
  WriteBytes(folder_ / "two", std::vector<std::uint8_t>(190 * 488 * 2));
  Name(In("one"), In("two"), "");
  OpenWorkingFiles(state_, dialogs_);
  Name(In("two"), In("one"), "");
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_EQ(state_.Data.File->Path(), folder_ / "two");
  EXPECT_EQ(state_.Data.Count(), 2 * 488);
  EXPECT_EQ(state_.Var.File->Path(), folder_ / "one");
  EXPECT_EQ(state_.Var.Count(), 190);
}

TEST_F(WorkingFilesTest, AFileOfMoreThan32767RecordsIsRefusedAndLeftAlone) {
  WriteBytes(folder_ / "BIG.CRV", {7, 7});
  const auto size = static_cast<std::uintmax_t>(32768) * 20;
  fs::resize_file(folder_ / "BIG.CRV", size);
  Name("", "", In("BIG.CRV"));
  dialogs_.ExpectMessage("The alignment file " + In("BIG.CRV") +
                         " holds more than 32,767 records and cannot be opened. It was left as "
                         "it is.");
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_FALSE(state_.Align.Loaded());
  EXPECT_EQ(fs::file_size(folder_ / "BIG.CRV"), size);
  EXPECT_EQ(ReadBytes(folder_ / "BIG.CRV")[0], 7);
}

TEST_F(WorkingFilesTest, AnOpenFailureOffersRetryAndCancelLeavesTheKindNotLoaded) {
  fs::create_directory(folder_ / "folder.dat");
  Name(In("folder.dat"), "", "");
  dialogs_.ExpectRetryCancel(true).ExpectRetryCancel(false);
  OpenWorkingFiles(state_, dialogs_);
  EXPECT_FALSE(state_.Data.Loaded());
  EXPECT_EQ(state_.Data.FileName, "");
  ASSERT_EQ(dialogs_.Log().size(), 2U);
  EXPECT_NE(dialogs_.Log()[0].find("Is a directory"), std::string::npos) << dialogs_.Log()[0];
}

}  // namespace
}  // namespace calvora
