// The opening of a DXF drawing and the definitions file shipped with the program.

#include "drawing/dxf_opening.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace calvora {
namespace {

std::string Group(char code, const std::string& value) {
  return std::string(1, code) + value + std::string(1, '\0');
}

TEST(DxfOpening, BinaryOpeningFramesHeaderTablesAndTheEntitiesSection) {
  const std::string opening = DxfOpening(DxfFormat::Binary);
  EXPECT_EQ(opening.substr(0, 22), std::string("AutoCAD Binary DXF\r\n\x1a\0", 22));
  EXPECT_EQ(opening.substr(22, 17), Group(0, "SECTION") + Group(2, "HEADER"));
  EXPECT_NE(opening.find(Group(9, "$ACADVER") + Group(1, "AC1009")), std::string::npos);
  EXPECT_LT(opening.find("$ACADVER"), 1024u);  // where readers look for the version
  for (const char* layer : {"0", "Project", "Compact", "Ground", "Deco"}) {
    EXPECT_NE(opening.find(Group(0, "LAYER") + Group(2, layer)), std::string::npos) << layer;
  }
  EXPECT_NE(opening.find(Group(2, "CONTINUOUS")), std::string::npos);
  // Ends with the entities-section name, its 0 byte left to the first entity.
  const std::string end = Group(0, "ENDSEC") + Group(0, "SECTION") + std::string(1, 2) + "ENTITIES";
  ASSERT_GE(opening.size(), end.size());
  EXPECT_EQ(opening.substr(opening.size() - end.size()), end);
}

TEST(DxfOpening, AsciiOpeningHasTheSameTablesComplete) {
  const std::string opening = DxfOpening(DxfFormat::Ascii);
  EXPECT_EQ(opening.substr(0, 30), "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9");
  EXPECT_NE(opening.find("  2\r\nDeco\r\n"), std::string::npos);
  const std::string end = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n";
  EXPECT_EQ(opening.substr(opening.size() - end.size()), end);
}

TEST(DxfOpening, CommittedDefinitionsFileIsTheGeneratedOpening) {
  const std::string committed = testing::ReadText(CALVORA_SOURCE_DIR "/data/DXF-defs.INI");
  EXPECT_EQ(committed, DxfOpening(DxfFormat::Binary))
      << "regenerate with: make_dxf_defs data/DXF-defs.INI";
}

}  // namespace
}  // namespace calvora
