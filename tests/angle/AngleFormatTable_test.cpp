// The formatter against a table written by tools/angle_format_table.py, a
// separate reading of the angle formats in Python (whose % operator follows
// printf). Every text must match to the byte.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "geodesy/angle/AngleText.h"
#include "geodesy/text/NumberText.h"
#include "support/TestMachine.h"

namespace {

std::string Unescape(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
      bytes += static_cast<char>(HexByte(text[i + 2], text[i + 3]));
      i += 3;
    } else {
      bytes += text[i];
    }
  }
  return bytes;
}

TEST(FormatAngle, MatchesTheIndependentTableToTheByte) {
  testing_support::TestMachine machine;
  std::ifstream table(OVERLAYS_SOURCE_DIR "/tests/angle/data/format_table.txt");
  ASSERT_TRUE(table) << "missing tests/angle/data/format_table.txt";
  std::string line;
  int rows = 0;
  for (int number = 1; std::getline(table, line); ++number) {
    if (line.empty() || line.front() == '#') continue;
    std::istringstream fields(line);
    std::string radians, letter;
    int kind = 0, format = 0, decimals = 0;
    fields >> radians >> kind >> format >> decimals >> letter;
    const auto open = line.find('"');
    const auto close = line.rfind('"');
    ASSERT_TRUE(fields && open != std::string::npos && close > open) << "format_table.txt:" << number;
    const char hemisphere = letter == "-" ? 0 : letter.front();
    EXPECT_EQ(FormatAngle(std::strtod(radians.c_str(), nullptr), kind, format, decimals, hemisphere),
              Unescape(line.substr(open + 1, close - open - 1)))
        << "format_table.txt:" << number << ": " << line;
    ++rows;
  }
  EXPECT_GT(rows, 3000);
}

}  // namespace
