// The geodesy commands end to end: the ellipsoid table, a geodesic line, a
// datum shift and angle text, as a user types them (negative numbers as
// positionals).

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

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
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
    const std::string inverse = Trimmed(lines[row + 1].substr(end - 20, 20));
    const double expected = kEllipsoidTable[row].invFlattening;
    if (std::isinf(expected)) {
      EXPECT_EQ(inverse, "sphere") << row;
      continue;
    }
    EXPECT_EQ(std::strtod(inverse.c_str(), nullptr), expected) << row;
    EXPECT_LE(inverse.size(), 18u) << inverse;
  }
  EXPECT_NE(lines[2].find(" 299.3249646 "), std::string::npos) << lines[2];
  EXPECT_NE(lines[27].find("WGS 1984"), std::string::npos);
  EXPECT_NE(lines[27].find("6356752.314245179"), std::string::npos);  // b
  EXPECT_NE(lines[27].find("0.00669437999014"), std::string::npos);   // e²
}

TEST(GeodesicCli, DistanceAndAzimuthUnderTheModulesRules) {
  const CliCase cases[] = {
      // Southampton to London-ish, west longitudes negative.
      {{"geodesic", "50", "-1", "51.5", "-0.1"}, 0, "178541.4968 20.491610966\n", ""},
      {{"geodesic", "-33.9", "18.4", "-34.0", "18.5", "--method", "1"}, 0, "14439.0152 140.221027678\n", ""},
      // On the International ellipsoid the same line is 6.8 m longer.
      {{"geodesic", "50", "-1", "51.5", "-0.1", "--ellipsoid", "20"}, 0, "178548.2582 20.491828992\n", ""},
      {{"geodesic", "10", "20", "10", "20"}, 0, "0.0000 0.000000000\n", ""},
      // Both latitudes 0: along the equator, though the shortest line
      // (20,003,008 m) leaves it.
      {{"geodesic", "0", "0", "0", "179.9"}, 0, "20026376.3937 90.000000000\n", ""},
      // The normal-section azimuth; the geodesic leaves at 25.67°.
      {{"geodesic", "0", "0", "0.5", "179.5"}, 0, " 45.19", ""},
      {{"geodesic", "0.5", "0", "-0.5", "179.7"}, 1, "", "nearly antipodal"},
      {{"geodesic", "91", "0", "0", "0"}, 1, "", "latitudes must lie within -90 to 90"},
      {{"geodesic", "1", "2", "3", "4", "--ellipsoid", "53"}, 1, "", "--ellipsoid"},
  };
  for (const auto& c : cases) {
    const CliResult r = ExpectCli({InSandbox(c.args), c.status, c.out, c.err});
    if (c.status != 0) {
      EXPECT_TRUE(r.out.empty()) << r.out;
    }
  }
}

TEST(GeodesicCli, HelpStatesTheModulesRules) {
  const CliResult r = RunCli({"geodesic", "--help"});
  for (const char* rule : {"along the equator", "normal section", "antipodal"})
    EXPECT_NE(r.out.find(rule), std::string::npos) << rule;
}

TEST(HelmertCli, ForwardAndReverseShiftOnePoint) {
  const std::string osgb = "-446.448,125.157,-542.06,-0.1502,-0.247,-0.8421,20.4894";
  const char* format = "latitude %lf longitude %lf (degrees) height %lf m";
  const CliResult forward = RunCli(InSandbox({"helmert", "52", "-1.5", "100", "--shift", osgb, "--to", "0"}));
  ASSERT_EQ(forward.status, 0) << forward.err;
  double lat = 0, lon = 0, h = 0;
  ASSERT_EQ(std::sscanf(forward.out.c_str(), format, &lat, &lon, &h), 3) << forward.out;
  // ETRS89 to OSGB36 moves a point in the Midlands about 100 m east and
  // lowers it by about 48 m.
  EXPECT_NEAR(lat, 51.99957, 1e-5);
  EXPECT_NEAR(lon, -1.49853, 1e-5);
  EXPECT_NEAR(h, 51.61, 0.01);

  char point[3][32];
  std::snprintf(point[0], sizeof point[0], "%.9f", lat);
  std::snprintf(point[1], sizeof point[1], "%.9f", lon);
  std::snprintf(point[2], sizeof point[2], "%.4f", h);
  const CliResult back =
      RunCli(InSandbox({"helmert", point[0], point[1], point[2], "--shift", osgb, "--to", "0", "--reverse"}));
  ASSERT_EQ(back.status, 0) << back.err;
  ASSERT_EQ(std::sscanf(back.out.c_str(), format, &lat, &lon, &h), 3);
  // The reverse step only negates the parameters: back to within
  // centimetres (1e-6° is 11 cm), not exactly.
  EXPECT_NEAR(lat, 52, 1e-6);
  EXPECT_NEAR(lon, -1.5, 1e-6);
  EXPECT_NEAR(h, 100, 0.05);
}

// The module reads refused text as 0 and shows what it cannot write as
// empty text; the host must tell those from a typed zero and say so.
TEST(AngleCli, AnswersExactlyOrRefuses) {
  const CliCase cases[] = {
      // A negative first argument is a value, not an option; without
      // --format the user's settings decide (none here: format 1, 7 decimals).
      {{"angle", "format", "-0.5", "--kind", "1"}, 0, "-028\u00B0 38'.8733854\n", ""},
      {{"angle", "format", "0.9162978572970230", "--kind", "5", "--format", "0", "--decimals", "3"}, 0,
       "52\u00B0 30' 00\".000N\n", ""},
      {{"angle", "format", "0", "--kind", "5", "--format", "2", "--hemisphere", "s"}, 0, "00\u00B0.000000000S\n", ""},
      {{"angle", "format", "-1", "--kind", "6"}, 0, "n/a\n", ""},
      {{"angle", "parse", "52 30 N", "--kind", "5"}, 0, "0.91629785729700752\n", ""},
      {{"angle", "parse", "-52.5", "--kind", "5"}, 0, "-0.91629785729700752\n", ""},
      // The degree sign as UTF-8 and as the single Windows-1252 byte.
      {{"angle", "parse", "52\u00B0 30' S", "--kind", "5"}, 0, "-0.91629785729700752\n", ""},
      {{"angle", "parse", "52\xB0 30' S", "--kind", "5"}, 0, "-0.91629785729700752\n", ""},
      {{"angle", "format", "1", "--kind", "1", "--format", "6"}, 1, "", "unknown angle format 6"},
      {{"angle", "format", "1", "--kind", "5", "--hemisphere", "Q"}, 1, "", "not a hemisphere letter"},
      {{"angle", "parse", "0N", "--kind", "5"}, 0, "0\n", ""},
      {{"angle", "parse", "000 00 00.000 N", "--kind", "5"}, 0, "0\n", ""},
      {{"angle", "parse", "-0", "--kind", "6"}, 0, "-0\n", ""},
      {{"angle", "parse", "0", "--kind", "4"}, 0, "1.5707963267948966\n", ""},  // a quarter turn less 0
      {{"angle", "parse", "90N", "--kind", "5"}, 0, "1.5707963267948701\n", ""},
      {{"angle", "parse", "abc", "--kind", "5"}, 1, "", "\"abc\" is not an angle of kind 5"},
      {{"angle", "parse", "95N", "--kind", "5"}, 1, "", "\"95N\" is not an angle of kind 5 (at most 90 degrees"},
      {{"angle", "parse", "185E", "--kind", "6"}, 1, "", "not an angle of kind 6"},
      {{"angle", "parse", "100.0N", "--kind", "5"}, 1, "", "not an angle of kind 5"},
      {{"angle", "parse", "", "--kind", "4"}, 1, "", "not an angle of kind 4"},
      {{"angle", "parse", "1", "--kind", "10"}, 1, "", "unknown angle kind 10"},
      {{"angle", "format", "0.5", "--kind", "5", "--format", "2"}, 0, "28\xC2\xB0.647889757N\n", ""},
      {{"angle", "format", "nan", "--kind", "5"}, 1, "", "nan radians cannot be shown as an angle of kind 5"},
      {{"angle", "format", "inf", "--kind", "6"}, 1, "", "cannot be shown"},
      {{"angle", "format", "1e10", "--kind", "5", "--format", "0"}, 1, "", "cannot be shown"},
      {{"angle", "format", "x", "--kind", "5"}, 1, "", "not a number of radians"},
  };
  for (const auto& c : cases) {
    const CliResult r = ExpectCli({InSandbox(c.args), c.status, c.out, c.err});
    // Exactly the answer, or nothing that could pass for one.
    EXPECT_EQ(r.out, c.status == 0 ? c.out : "");
  }
}

}  // namespace
