#include "project/prompt_output_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using ::testing::AllOf;
using ::testing::Field;
using ::testing::Return;

class MockDialogs : public UserDialogs {
 public:
  MOCK_METHOD(void, Message, (const std::string&), (override));
  MOCK_METHOD(bool, YesNo, (const std::string&), (override));
  MOCK_METHOD(bool, RetryCancel, (const std::string&), (override));
  MOCK_METHOD(std::string, InputBox, (const std::string&, const std::string&, const std::string&),
              (override));
  MOCK_METHOD(std::string, OpenFileName, (const FileDialogRequest&), (override));
  MOCK_METHOD(std::string, SaveFileName, (const FileDialogRequest&), (override));
};

TEST(PromptOutputFile, ProposesTheBaseNameWithTheExtension) {
  testing::ScriptedDialogs dialogs;
  dialogs.ExpectSaveFile("Select XYZ File", "/roads/R1.XYZ", "/roads/R1.XYZ");
  EXPECT_EQ(PromptOutputFile("/roads/R1.CRV", ".XYZ", dialogs), "/roads/R1.XYZ");
}

TEST(PromptOutputFile, TitleNamesTheLastThreeCharactersOfTheExtension) {
  testing::ScriptedDialogs dialogs;
  dialogs.ExpectSaveFile("Select CRV File", "/roads/R1_K.CRV", "/out/other.CRV");
  EXPECT_EQ(PromptOutputFile("/roads/R1.CRV", "_K.CRV", dialogs), "/out/other.CRV");
}

TEST(PromptOutputFile, OnlyTheFileNameIsCutAtItsFirstDot) {
  testing::ScriptedDialogs dialogs;
  dialogs.ExpectSaveFile("Select DXF File", "/work/v1.2/road_L.DXF", "/work/v1.2/road_L.DXF")
      .ExpectSaveFile("Select XYZ File", "/a.b/R1.XYZ", "/a.b/R1.XYZ")
      .ExpectSaveFile("Select XYZ File", "/a.b/noext.XYZ", "/a.b/noext.XYZ");
  EXPECT_EQ(PromptOutputFile("/work/v1.2/road.x.CRV", "_L.DXF", dialogs), "/work/v1.2/road_L.DXF");
  EXPECT_EQ(PromptOutputFile("/a.b/R1.old.CRV", ".XYZ", dialogs), "/a.b/R1.XYZ");
  EXPECT_EQ(PromptOutputFile("/a.b/noext", ".XYZ", dialogs), "/a.b/noext.XYZ");
}

TEST(PromptOutputFile, CancelGivesTheEmptyName) {
  testing::ScriptedDialogs dialogs;
  dialogs.ExpectSaveFile("Select XYZ File", "R1.XYZ", "");
  EXPECT_EQ(PromptOutputFile("R1.CRV", ".XYZ", dialogs), "");
}

TEST(PromptOutputFile, AsksWithTheOutputFilterAndConfirmsOverwriting) {
  MockDialogs dialogs;
  EXPECT_CALL(dialogs,
              SaveFileName(AllOf(Field(&FileDialogRequest::title, "Select XYZ File"),
                                 Field(&FileDialogRequest::filter, "Output Files (*.XYZ)|*.XYZ"),
                                 Field(&FileDialogRequest::proposedName, "R1.XYZ"),
                                 Field(&FileDialogRequest::mustExist, false),
                                 Field(&FileDialogRequest::confirmOverwrite, true))))
      .WillOnce(Return("R1.XYZ"));
  EXPECT_EQ(PromptOutputFile("R1.CRV", ".XYZ", dialogs), "R1.XYZ");
}

}  // namespace
}  // namespace calvora
