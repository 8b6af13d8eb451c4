#include "records/windows1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace calvora {
namespace {

TEST(Windows1252, EveryAssignedByteRoundTripsThroughUtf8) {
  int unassigned = 0;
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = FromWindows1252(byte);
    if (utf8 == "\xEF\xBF\xBD") {
      ++unassigned;
      continue;
    }
    const auto back = ToWindows1252(utf8);
    ASSERT_TRUE(back.has_value()) << "byte " << b;
    EXPECT_EQ(*back, byte) << "byte " << b;
  }
  EXPECT_EQ(unassigned, 5);  // 0x81, 0x8D, 0x8F, 0x90, 0x9D
}

TEST(Windows1252, KnownCharactersAndRefusals) {
  const struct {
    const char* utf8;
    std::optional<std::string> stored;  // none: refused
  } cases[] = {
      {"€", "\x80"},
      {"ñÑ", "\xF1\xD1"},
      {"Ÿ", "\x9F"},
      {"plain ASCII", "plain ASCII"},
      {"  12.50º  ÇÄÄ¶ 3", "  12.50\xBA  \xC7\xC4\xC4\xB6 3"},
      {"km 1+20 道", std::nullopt},
      {"Ā", std::nullopt},         // U+0100, just beyond Latin-1
      {"\xC2\x81", std::nullopt},  // U+0081: the byte 0x81 is unassigned
      {"🙂", std::nullopt},
      {"\xC3", std::nullopt},      // cut short
      {"\xC3\x28", std::nullopt},  // bad continuation
      {"\xFF", std::nullopt},
      {"\xC1\x81", std::nullopt},      // overlong 'A'
      {"\xE0\x80\xAF", std::nullopt},  // overlong '/'
      {"\xC0\x80", std::nullopt},      // overlong NUL
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToWindows1252(c.utf8), c.stored) << c.utf8;
  }
  EXPECT_EQ(FromWindows1252("\x93km\x94"), "“km”");
}

}  // namespace
}  // namespace calvora
