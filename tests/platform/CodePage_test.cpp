#include "platform/text/CodePage.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::text;

TEST(CodePage, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(AnsiFromUtf8(Utf8FromAnsi(all)), all);
}

// Rows marked `both` convert back again; the others are UTF-8 with no
// Windows-1252 form, or bytes that are no UTF-8 at all and are kept.
TEST(CodePage, ConvertsCharactersAndKeepsWhatIsNoUtf8) {
  struct Case {
    std::string utf8;
    std::string ansi;
    bool both;
  } cases[] = {
      {"51\xC2\xB0" "30'", "51\xB0" "30'", true},  // degree sign
      {"\xE2\x82\xAC", "\x80", true},              // euro, outside Latin-1
      {"\xC5\xA0\xC5\xA1", "\x8A\x9A", true},      // S and s with caron
      {"\xE4\xB8\xAD", "?", false},                // a CJK ideograph has no byte
      {"\xF0\x9F\x98\x80", "?", false},            // outside the basic plane
      {"a\xB0" "b", "a\xB0" "b", false},           // already Windows-1252
      {"\xC3", "\xC3", false},                     // cut sequence
      {"\xC0\x80", "\xC0\x80", false},             // overlong form
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(AnsiFromUtf8(c.utf8), c.ansi);
    if (c.both) {
      EXPECT_EQ(Utf8FromAnsi(c.ansi), c.utf8);
    }
  }
}

TEST(CodePage, CaseFoldingAsTheFileSystemDoes) {
  EXPECT_TRUE(EqualsIgnoringCase("MyData.INI", "mydata.ini"));
  EXPECT_TRUE(EqualsIgnoringCase("\xC9T\xC9", "\xE9t\xE9"));  // accented E
  EXPECT_TRUE(EqualsIgnoringCase("\x9F", "\xFF"));            // Y with diaeresis
  EXPECT_FALSE(EqualsIgnoringCase("\xD7", "\xF7"));           // multiplication and division signs
  EXPECT_FALSE(EqualsIgnoringCase("abc", "abcd"));
  // Lower-casing undoes what upper-casing does, and the other way round.
  for (int c = 0; c < 256; ++c) {
    const auto byte = static_cast<unsigned char>(c);
    EXPECT_TRUE(AnsiToUpper(byte) == byte || AnsiToLower(AnsiToUpper(byte)) == byte) << c;
    EXPECT_TRUE(AnsiToLower(byte) == byte || AnsiToUpper(AnsiToLower(byte)) == byte) << c;
  }
}

}  // namespace
