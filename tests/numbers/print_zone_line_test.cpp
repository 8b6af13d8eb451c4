#include <gtest/gtest.h>

#include "numbers/number_text.h"

namespace calvora {
namespace {

TEST(PrintZoneLine, ItemsStartEveryFourteenColumnsOrInTheNextFreeZone) {
  const std::string line = PrintZoneLine({"1+20.5", PrintNumber(1.5), PrintNumber(-0.25), "Z"});
  EXPECT_EQ(line, "1+20.5         1.5          -.25          Z");
  EXPECT_EQ(PrintZoneLine({"1234567890123", "x"}).find('x'), 14u);
  // Fourteen characters fill the zone: the next item keeps one blank away from it.
  EXPECT_EQ(PrintZoneLine({"12345678901234", "-1"}),
            "12345678901234" + std::string(14, ' ') + "-1");
  EXPECT_EQ(PrintZoneLine({std::string(20, 'a'), "x"}).find('x'), 28u);
  EXPECT_EQ(PrintZoneLine({"a", std::string(27, 'b'), "x"}).find('x'), 42u);
  // Empty items still take their zone; columns count characters, not bytes.
  EXPECT_EQ(PrintZoneLine({}), "");
  EXPECT_EQ(PrintZoneLine({"only"}), "only");
  EXPECT_EQ(PrintZoneLine({"", "x"}), std::string(14, ' ') + "x");
  EXPECT_EQ(PrintZoneLine({"12º", "x"}), "12º" + std::string(11, ' ') + "x");
}

}  // namespace
}  // namespace calvora
