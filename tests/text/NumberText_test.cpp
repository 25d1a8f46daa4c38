#include "geodesy/text/NumberText.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

namespace {

struct BoundedCase {
  double value;
  int width;
  int decimals;
  bool showPlus;
  bool zeroPadded;
  const char* text;
};

TEST(FormatBoundedNumber, ClampsToWhatTheFieldCanShow) {
  const BoundedCase cases[] = {
      {3.14159, 6, 2, false, false, "  3.14"},
      {3.14159, 6, 2, true, true, "+03.14"},
      {12345, 6, 2, false, false, "999.99"},
      {12345, 6, 2, true, false, "+99.99"},  // the plus sign takes a digit's place
      {-12345, 6, 2, false, false, "-99.99"},
      {7.5, 5, -1, false, false, " 7.50"},  // negative decimals mean 2
      {42.7, 4, 0, false, true, "0043"},
      {1e9, 3, 0, true, false, "+99"},
      // Too few places for a minus sign and two digits: no negatives.
      {-5, 4, 2, false, false, "0.00"},
      {-5, 2, 0, false, false, " 0"},
      // Decimals that leave no room for the point: the bound is all nines.
      {1e9, 2, 3, false, false, "99.000"},
      {std::nan(""), 6, 2, false, false, "   nan"},
      {42, 0, 2, false, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " width " << c.width << " decimals " << c.decimals << " plus "
                                    << c.showPlus << " zero " << c.zeroPadded);
    EXPECT_EQ(FormatBoundedNumber(c.value, c.width, c.decimals, c.showPlus, c.zeroPadded), c.text);
  }
}

TEST(CountLines, EachLineEndEndsALineAndTheRestIsOneMore) {
  const struct {
    const char* text;
    int lines;
  } cases[] = {
      {"", 0}, {"a", 1}, {"a\n", 1}, {"a\nb", 2}, {"\n", 1}, {"\n\n", 2}, {"a\r\nb\r\n", 2}, {"\r", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(CountLines(c.text), c.lines) << c.text;
}

TEST(HexDigit, EveryByteAsTheCLibraryReadsIt) {
  for (int byte = 0; byte < 256; ++byte) {
    const char ch = static_cast<char>(byte);
    const int expected = std::isxdigit(byte) ? std::stoi(std::string(1, ch), nullptr, 16) : 0;
    EXPECT_EQ(HexDigit(ch), expected) << byte;
    EXPECT_EQ(IsDigit(ch), std::isdigit(byte) != 0) << byte;
  }
  EXPECT_EQ(HexByte('4', 'F'), 0x4F);
  EXPECT_EQ(HexByte('f', 'f'), 0xFF);
}

TEST(TrimTrailingZeros, OnlyAfterADecimalPoint) {
  const struct {
    const char* text;
    const char* trimmed;
  } cases[] = {
      {"12.500", "12.5"}, {"12.000", "12"}, {"12.50  ", "12.5"}, {"1200", "1200"}, {"0.000", "0"},
      {"100.", "100"},    {"-0.0", "-0"},   {".000", ""},  {"", ""},
      {"1.0 0", "1"},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimTrailingZeros(c.text), c.trimmed) << '"' << c.text << '"';
}

}  // namespace
