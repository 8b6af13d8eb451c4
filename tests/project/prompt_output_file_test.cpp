#include "project/prompt_output_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/recording_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

TEST(PromptOutputFile, ProposesTheBaseNameCutAtItsFileNamesFirstDotWithTheExtension) {
  struct Case {
    const char* name;
    const char* base;
    const char* extension;
    const char* title;  // names the last three characters of the extension
    const char* proposed;
    const char* answer;  // "" cancels
  };
  const Case cases[] = {
      {"plain", "/roads/R1.CRV", ".XYZ", "Select XYZ File", "/roads/R1.XYZ", "/roads/R1.XYZ"},
      {"another name chosen", "/roads/R1.CRV", "_K.CRV", "Select CRV File", "/roads/R1_K.CRV",
       "/out/other.CRV"},
      {"dots in the folder", "/work/v1.2/road.x.CRV", "_L.DXF", "Select DXF File",
       "/work/v1.2/road_L.DXF", "/work/v1.2/road_L.DXF"},
      {"two dots in the name", "/a.b/R1.old.CRV", ".XYZ", "Select XYZ File", "/a.b/R1.XYZ",
       "/a.b/R1.XYZ"},
      {"no dot in the name", "/a.b/noext", ".XYZ", "Select XYZ File", "/a.b/noext.XYZ",
       "/a.b/noext.XYZ"},
      {"cancelled", "R1.CRV", ".XYZ", "Select XYZ File", "R1.XYZ", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::ScriptedDialogs dialogs;
    dialogs.ExpectSaveFile(c.title, c.proposed, c.answer);
    EXPECT_EQ(PromptOutputFile(c.base, c.extension, dialogs), c.answer);
  }
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
  testing::RecordingDialogs dialogs;
  EXPECT_EQ(PromptOutputFile("R1.CRV", ".XYZ", dialogs), "R1.XYZ");
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  const FileDialogRequest& asked = dialogs.fileRequests[0];
  EXPECT_EQ(asked.filter, "Output Files (*.XYZ)|*.XYZ");
  EXPECT_FALSE(asked.mustExist);
  EXPECT_TRUE(asked.confirmOverwrite);
}

}  // namespace
}  // namespace calvora
