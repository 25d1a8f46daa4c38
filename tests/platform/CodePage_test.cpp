#include "platform/text/CodePage.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::text;

TEST(CodePage, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(AnsiFromUtf8(Utf8FromAnsi(all)), all);
}

TEST(CodePage, KnownCharacters) {
  struct Case {
    std::string ansi;
    std::string utf8;
  } cases[] = {
      {"51\xB0" "30'", "51\xC2\xB0" "30'"},  // degree sign
      {"\x80", "\xE2\x82\xAC"},              // euro
      {"\xAB\xBB", "\xC2\xAB\xC2\xBB"},      // guillemets
      {"\x8A\x9A", "\xC5\xA0\xC5\xA1"},      // S and s with caron
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8FromAnsi(c.ansi), c.utf8);
    EXPECT_EQ(AnsiFromUtf8(c.utf8), c.ansi);
  }
}

TEST(CodePage, ForeignTextAndBrokenSequences) {
  EXPECT_EQ(AnsiFromUtf8("\xE4\xB8\xAD"), "?");  // a CJK ideograph has no byte
  EXPECT_EQ(AnsiFromUtf8("a\xB0" "b"), "a\xB0" "b");  // already Windows-1252
  EXPECT_EQ(AnsiFromUtf8("\xC3"), "\xC3");            // cut sequence kept as a byte
  EXPECT_EQ(AnsiFromUtf8("\xC0\x80"), "\xC0\x80");    // overlong form is no character
  EXPECT_EQ(AnsiFromUtf8("\xF0\x9F\x98\x80"), "?");   // outside the basic plane
}

TEST(CodePage, CaseFoldingAsTheFileSystemDoes) {
  EXPECT_TRUE(EqualsIgnoringCase("MyData.INI", "mydata.ini"));
  EXPECT_TRUE(EqualsIgnoringCase("\xC9T\xC9", "\xE9t\xE9"));  // accented E
  EXPECT_TRUE(EqualsIgnoringCase("\x9F", "\xFF"));            // Y with diaeresis
  EXPECT_FALSE(EqualsIgnoringCase("\xD7", "\xF7"));           // multiplication and division signs
  EXPECT_FALSE(EqualsIgnoringCase("abc", "abcd"));
}

TEST(CodePage, LowerCaseIsTheInverseOfUpperCase) {
  // Every byte that upper-casing changes comes back by lower-casing, and
  // lower-casing changes no other byte: "ÀÉÎ" and "Š" lower, "×" stays.
  for (int c = 0; c < 256; ++c) {
    const auto byte = static_cast<unsigned char>(c);
    const unsigned char upper = platform::text::AnsiToUpper(byte);
    if (upper != byte) {
      EXPECT_EQ(platform::text::AnsiToLower(upper), byte) << c;
    }
    const unsigned char lower = platform::text::AnsiToLower(byte);
    if (lower != byte) {
      EXPECT_EQ(platform::text::AnsiToUpper(lower), byte) << c;
    }
  }
  EXPECT_EQ(platform::text::AnsiToLower(0xD7), 0xD7);
  EXPECT_EQ(platform::text::AnsiToLower('Q'), 'q');
}

}  // namespace
