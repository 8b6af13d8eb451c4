#include "records/windows1252.h"

#include <gtest/gtest.h>

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

TEST(Windows1252, KnownCharacters) {
  EXPECT_EQ(ToWindows1252("€"), std::string("\x80"));
  EXPECT_EQ(ToWindows1252("º"), std::string("\xBA"));
  EXPECT_EQ(ToWindows1252("ñÑ"), std::string("\xF1\xD1"));
  EXPECT_EQ(ToWindows1252("Ÿ"), std::string("\x9F"));
  EXPECT_EQ(FromWindows1252("\x93km\x94"), "“km”");
  EXPECT_EQ(ToWindows1252("plain ASCII"), std::string("plain ASCII"));
  EXPECT_EQ(ToWindows1252("  12.50º  ÇÄÄ¶ 3"), std::string("  12.50\xBA  \xC7\xC4\xC4\xB6 3"));
  EXPECT_FALSE(ToWindows1252("km 1+20 道"));
}

TEST(Windows1252, CharactersOutsideTheCodePageAndBadUtf8AreRefused) {
  EXPECT_FALSE(ToWindows1252("道路"));
  EXPECT_FALSE(ToWindows1252("Ā"));         // U+0100, just beyond Latin-1
  EXPECT_FALSE(ToWindows1252("\xC2\x81"));  // U+0081: the byte 0x81 is unassigned
  EXPECT_FALSE(ToWindows1252("🙂"));
  EXPECT_FALSE(ToWindows1252("\xC3"));      // cut short
  EXPECT_FALSE(ToWindows1252("\xC3\x28"));  // bad continuation
  EXPECT_FALSE(ToWindows1252("\xFF"));
  EXPECT_FALSE(ToWindows1252("\xC1\x81"));      // overlong 'A'
  EXPECT_FALSE(ToWindows1252("\xE0\x80\xAF"));  // overlong '/'
  EXPECT_FALSE(ToWindows1252("\xC0\x80"));      // overlong NUL
}

}  // namespace
}  // namespace calvora
