// The name and the opening of a DXF drawing file.

#include "drawing/dxf_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::ScriptedDialogs;

TEST(PromptDxfFile, ProposesTheKindsSuffixBesideTheBaseFile) {
  ScriptedDialogs dialogs;
  dialogs.ExpectSaveFile("Select DXF File", "/roads/ROAD1_C.DXF", "/roads/ROAD1_C.DXF")
      .ExpectSaveFile("Select DXF File", "/roads/ROAD1_L.DXF", "")
      .ExpectSaveFile("Select DXF File", "_G.DXF", "/x/g.dxf");
  EXPECT_EQ(PromptDxfFile(2, "/roads/ROAD1.DAT", dialogs), "/roads/ROAD1_C.DXF");
  EXPECT_EQ(PromptDxfFile(1, "/roads/ROAD1.DAT", dialogs), "");
  EXPECT_EQ(PromptDxfFile(6, "/roads/ROAD1.DAT", dialogs), "/x/g.dxf");
  EXPECT_EQ(PromptDxfFile(7, "/roads/ROAD1.DAT", dialogs), "");
  EXPECT_TRUE(dialogs.Done());
}

TEST(WriteDxfHeader, CopiesTheDefinitionsFileByteForByte) {
  testing::TempFolder programFolder;
  const std::vector<std::uint8_t> definitions = {'A', 0, 0xFF, '\r', '\n', 0x1A, 'Z'};
  testing::WriteBytes(programFolder / "DXF-defs.INI", definitions);
  ScriptedDialogs dialogs;
  std::ostringstream out;
  EXPECT_TRUE(WriteDxfHeader(out, programFolder.Path(), DxfFormat::Binary, dialogs));
  EXPECT_EQ(out.str(), std::string(definitions.begin(), definitions.end()));
}

TEST(WriteDxfHeader, MissingDefinitionsFileIsNamedAndNothingWritten) {
  testing::TempFolder programFolder;
  ScriptedDialogs dialogs;
  dialogs.ExpectMessage("File not found: DXF-DEFS.INI");
  std::ostringstream out;
  EXPECT_FALSE(WriteDxfHeader(out, programFolder.Path(), DxfFormat::Binary, dialogs));
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace calvora
