#include "project/prompt_output_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

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

TEST(PromptOutputFile, AReservedFileIsRefusedWhateverTheDialogAnswered) {
  const testing::TempFolder folder;
  testing::WriteBytes(folder / "R1.CRV", {});
  std::filesystem::create_symlink(folder / "R1.CRV", folder / "LINK.XYZ");
  const std::vector<ReservedFile> reserved = {{folder / "R1.CRV", "alignment file of the project"}};
  for (const std::string& answer : {(folder / "R1.CRV").string(), (folder / "LINK.XYZ").string(),
                                    folder.Path().string() + "/./R1.CRV"}) {
    testing::ScriptedDialogs dialogs;
    dialogs.ExpectSaveFile("Select XYZ File", (folder / "R1.XYZ").string(), answer)
        .ExpectMessage("The file " + answer +
                       " is the alignment file of the project: an output cannot replace it. "
                       "Nothing was written.");
    EXPECT_EQ(PromptOutputFile((folder / "R1.CRV").string(), ".XYZ", dialogs, reserved), "");
  }
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
