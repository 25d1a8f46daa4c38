// The geodesy commands end to end: the ellipsoid table, a geodesic line, a
// datum shift and angle text, as a user types them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "CliRunner.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliCase;
using testing_support::CliResult;
using testing_support::ExpectCli;
using testing_support::Lines;
using testing_support::RunCli;
using testing_support::TempFolder;

std::vector<std::string> InSandbox(std::vector<std::string> args) {
  static TempFolder sandbox;
  args.insert(args.begin(), {"--root", sandbox.Path().string()});
  return args;
}

// The shortest "%.*g" text that reads back as the value.
std::string Shortest(double value) {
  char text[32];
  for (int digits = 1;; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    if (std::strtod(text, nullptr) == value) return text;
  }
}

// 1/f is written as the shortest text that reads back as the table's value:
// "%.17g" gave 299.32496459999999 for the table's 299.3249646.
TEST(GeodesyCli, EllipsoidsShowTheTablesDigits) {
  const CliResult r = RunCli(InSandbox({"ellipsoids"}));
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), kEllipsoidTable.size() + 1);
  // The column is 20 wide and ends with the heading "1/f".
  const std::size_t end = lines[0].find("1/f") + 3;
  for (std::size_t row = 0; row < kEllipsoidTable.size(); ++row) {
    const double inverse = kEllipsoidTable[row].invFlattening;
    const std::string shown = lines[row + 1].substr(end - 20, 20);
    EXPECT_EQ(shown.substr(shown.find_first_not_of(' ')), std::isinf(inverse) ? "sphere" : Shortest(inverse)) << row;
  }
  EXPECT_NE(lines[27].find("WGS 1984"), std::string::npos);
}

// Figures from the library (checked against GeographicLib and PROJ there);
// here the options, negative numbers as positionals, the output's exact form
// and the refusals: exactly the answer, or nothing that could pass for one.
// The module reads refused angle text as 0 and shows what it cannot write as
// empty text; the host must tell those from a typed zero and say so.
TEST(GeodesyCli, AnswersExactlyOrRefuses) {
  const std::string osgb = "--shift=-446.448,125.157,-542.06,-0.1502,-0.247,-0.8421,20.4894";
  const CliCase cases[] = {
      // Southampton to London-ish; on the International ellipsoid 6.8 m longer.
      {{"geodesic", "50", "-1", "51.5", "-0.1"}, 0, "178541.4968 20.491610966\n", ""},
      {{"geodesic", "-33.9", "18.4", "-34.0", "18.5", "--method", "1"}, 0, "14439.0152 140.221027678\n", ""},
      {{"geodesic", "50", "-1", "51.5", "-0.1", "--ellipsoid", "20"}, 0, "178548.2582 20.491828992\n", ""},
      {{"geodesic", "0.5", "0", "-0.5", "179.7"}, 1, "", "nearly antipodal"},
      // The short-line formula would give 0 m from pole to pole; its reach counts latitude and longitude.
      {{"geodesic", "90", "0", "-90", "0", "--method", "1"}, 1, "", "cannot reach a quarter"},
      {{"geodesic", "0", "0", "0", "95", "--method", "1"}, 1, "", "cannot reach a quarter"},
      {{"geodesic", "91", "0", "0", "0"}, 1, "", "latitudes must lie within -90 to 90"},
      {{"geodesic", "1", "2", "3", "4", "--ellipsoid", "53"}, 1, "", "--ellipsoid"},
      // ETRS89 to OSGB36 moves a Midlands point about 100 m east and 48 m
      // down; the reverse step moves it as far the other way.
      {{"helmert", "52", "-1.5", "100", osgb, "--to", "0"}, 0,
       "latitude 51.999567843 longitude -1.498531480 (degrees) height 51.6137 m\n", ""},
      {{"helmert", "52", "-1.5", "100", osgb, "--to", "0", "--reverse"}, 0,
       "latitude 52.000432088 longitude -1.501468410 (degrees) height 148.3991 m\n", ""},
      // Without --format the user's settings decide (none here: format 1, 7 decimals).
      {{"angle", "format", "-0.5", "--kind", "1"}, 0, "-028\u00B0 38'.8733854\n", ""},
      {{"angle", "format", "0.9162978572970230", "--kind", "5", "--format", "0", "--decimals", "3"}, 0,
       "52\u00B0 30' 00\".000N\n", ""},
      {{"angle", "format", "0", "--kind", "5", "--format", "2", "--hemisphere", "s"}, 0, "00\u00B0.000000000S\n", ""},
      {{"angle", "format", "-1", "--kind", "6"}, 0, "n/a\n", ""},
      // The degree sign as UTF-8 and as the single Windows-1252 byte.
      {{"angle", "parse", "52\u00B0 30' S", "--kind", "5"}, 0, "-0.91629785729700752\n", ""},
      {{"angle", "parse", "52\xB0 30' S", "--kind", "5"}, 0, "-0.91629785729700752\n", ""},
      {{"angle", "format", "1", "--kind", "1", "--format", "6"}, 1, "", "unknown angle format 6"},
      {{"angle", "format", "1", "--kind", "5", "--hemisphere", "Q"}, 1, "", "not a hemisphere letter"},
      // Typed zeros are answers; kind 4 reads refused text as a quarter turn.
      {{"angle", "parse", "000 00 00.000 N", "--kind", "5"}, 0, "0\n", ""},
      {{"angle", "parse", "0", "--kind", "4"}, 0, "1.5707963267948966\n", ""},
      {{"angle", "parse", "abc", "--kind", "5"}, 1, "", "\"abc\" is not an angle of kind 5"},
      {{"angle", "parse", "95N", "--kind", "5"}, 1, "", "\"95N\" is not an angle of kind 5 (at most 90 degrees"},
      {{"angle", "parse", "", "--kind", "4"}, 1, "", "not an angle of kind 4"},
      {{"angle", "parse", "1", "--kind", "10"}, 1, "", "unknown angle kind 10"},
      {{"angle", "format", "nan", "--kind", "5"}, 1, "", "nan radians cannot be shown as an angle of kind 5"},
      {{"angle", "format", "x", "--kind", "5"}, 1, "", "not a number of radians"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpectCli({InSandbox(c.args), c.status, c.out, c.err}).out, c.out);
  const CliResult help = RunCli({"geodesic", "--help"});
  for (const char* rule : {"along the equator", "normal section", "antipodal"})
    EXPECT_NE(help.out.find(rule), std::string::npos) << rule;
}

}  // namespace
