// Lines of a coordinate stream as users and files write them, and the
// lines that must be refused rather than read as something else.

#include "geodesy/text/PointLine.h"

#include <gtest/gtest.h>

namespace {

TEST(PointLine, ReadsTwoNumbersOrRefuses) {
  struct Case { const char* line; PointLine kind; double first, second; };
  const Case cases[] = {
      {"51.5 -0.12", PointLine::Point, 51.5, -0.12},
      {"\t530000\t180000.25  ", PointLine::Point, 530000, 180000.25},
      {"+1e3 -2.5E-4\r", PointLine::Point, 1000, -2.5e-4},
      {"", PointLine::Blank, 0, 0},
      {" \t\r", PointLine::Blank, 0, 0},
      {"  # lat lon", PointLine::Blank, 0, 0},
      {"1", PointLine::Malformed, 0, 0},
      {"1 2 3", PointLine::Malformed, 0, 0},
      {"1,2", PointLine::Malformed, 0, 0},
      {"1, 2", PointLine::Malformed, 0, 0},
      {"12abc 3", PointLine::Malformed, 0, 0},
      {"inf 0", PointLine::Malformed, 0, 0},
      {"0 nan", PointLine::Malformed, 0, 0},
      {"1e400 0", PointLine::Malformed, 0, 0},
      {"0x10 1", PointLine::Malformed, 0, 0},
      {"+-1 2", PointLine::Malformed, 0, 0},
      {"+ 1 2", PointLine::Malformed, 0, 0},
      {"1 2 # note", PointLine::Malformed, 0, 0},
      {"1\r2", PointLine::Malformed, 0, 0},
  };
  for (const Case& c : cases) {
    double first = -1, second = -1;
    EXPECT_EQ(ParsePointLine(c.line, first, second), c.kind) << "'" << c.line << "'";
    const bool read = c.kind == PointLine::Point;
    EXPECT_EQ(first, read ? c.first : -1) << "'" << c.line << "'";
    EXPECT_EQ(second, read ? c.second : -1) << "'" << c.line << "'";
  }
}

}  // namespace
