#include "project/file_names.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

TEST(FileNames, FileNameOfDropsTheFolderOfEitherSystem) {
  EXPECT_EQ(FileNameOf("/home/ana/roads/R1.PRJ"), "R1.PRJ");
  EXPECT_EQ(FileNameOf("C:\\ROADS\\R1.DAT"), "R1.DAT");
  EXPECT_EQ(FileNameOf("C:R1.DAT"), "R1.DAT");
  EXPECT_EQ(FileNameOf("R1.VAR"), "R1.VAR");
  EXPECT_EQ(FileNameOf("/roads/"), "");
}

TEST(FileNames, StemStopsAtTheFirstDotOfTheFileNameOnly) {
  EXPECT_EQ(StemBeforeFirstDot("/a.b/R1.CRV"), "/a.b/R1");
  EXPECT_EQ(StemBeforeFirstDot("/v1.2/road.v2.DAT"), "/v1.2/road");
  EXPECT_EQ(StemBeforeFirstDot("C:\\A.B\\R1.DAT"), "C:\\A.B\\R1");
  EXPECT_EQ(StemBeforeFirstDot("/a.b/NODOT"), "/a.b/NODOT");
  EXPECT_EQ(StemBeforeFirstDot("R1.DAT"), "R1");
}

TEST(FileNames, ForeignPathsHaveADriveLetterOrBackslashes) {
  EXPECT_TRUE(LooksForeign("C:\\ROADS\\R1.DAT"));
  EXPECT_TRUE(LooksForeign("d:/roads/R1.DAT"));
  EXPECT_TRUE(LooksForeign("ROADS\\R1.DAT"));
  EXPECT_TRUE(LooksForeign("\\\\server\\share\\R1.DAT"));
  EXPECT_FALSE(LooksForeign("/home/ana/R1.DAT"));
  EXPECT_FALSE(LooksForeign("R1.DAT"));
  EXPECT_FALSE(LooksForeign("1:2.DAT"));
}

}  // namespace
}  // namespace calvora
