// The name proposed for a DXF drawing file (its opening is checked with the export).

#include "drawing/dxf_file.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"

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
}

}  // namespace
}  // namespace calvora
