#include "records/scratch_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "records/file_error.h"
#include "records/interrupt_cleanup.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::ReadText;
using testing::TempFolder;

int FilesIn(const std::filesystem::path& folder) {
  return static_cast<int>(testing::Snapshot(folder).size());
}

TEST(ScratchFile, TheTargetKeepsItsOldBytesUntilCommitThenHoldsTheNewOnes) {
  TempFolder folder;
  const auto target = folder / "R.XYZ";
  std::ofstream(target) << "old";
  {
    ScratchFile abandoned(target);
    abandoned.Write("half a report");
  }
  EXPECT_EQ(ReadText(target), "old");
  ScratchFile file(target);
  file.Write("new ");
  file.Write("text");
  EXPECT_EQ(ReadText(target), "old");
  EXPECT_EQ(FilesIn(folder.Path()), 1);  // unnamed until it is committed
  file.Commit();
  EXPECT_EQ(ReadText(target), "new text");
  EXPECT_EQ(FilesIn(folder.Path()), 1);
}

TEST(ScratchFile, TwoWritersOfOneTargetNeverShareAScratchFile) {
  TempFolder folder;
  const auto target = folder / "R_C.DXF";
  ScratchFile first(target);
  ScratchFile second(target);
  EXPECT_NE(first.Path(), second.Path());
  std::ofstream(second.Path(), std::ios::binary) << "written by name";
  second.Commit();
  first.Write("abandoned");
  EXPECT_EQ(ReadText(target), "written by name");
}

TEST(ScratchFile, NamedScratchFilesAreRemovedWhenTheProcessIsInterrupted) {
  TempFolder folder;
  for (const int signal : {SIGINT, SIGTERM}) {
    const auto scratch = folder / ".R.OUT.named";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::ofstream(scratch) << "half";
      RemoveOnInterrupt(scratch.c_str());
      ::raise(signal);
      ::_exit(0);  // not reached: the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_EQ(FilesIn(folder.Path()), 0) << signal;
  }
}

TEST(ScratchFile, AFolderThatCannotBeWrittenIsAFileError) {
  TempFolder folder;
  EXPECT_THROW(ScratchFile(folder / "missing" / "R.VOL"), FileError);
}

}  // namespace
}  // namespace calvora
