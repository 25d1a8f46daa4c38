// The geodesy commands end to end: the ellipsoid table, a geodesic line and
// a datum shift, as a user types them (negative numbers as positionals).

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::RunCli;
using testing_support::TempFolder;

CliResult RunInSandbox(std::vector<std::string> args) {
  static TempFolder sandbox;
  args.insert(args.begin(), {"--root", sandbox.Path().string()});
  return RunCli(args);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(GeodesyCli, EllipsoidsListsEveryRowWithDerivedValues) {
  const CliResult r = RunInSandbox({"ellipsoids"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 54u);  // a heading and 53 rows
  EXPECT_NE(lines[27].find("WGS 1984"), std::string::npos);
  EXPECT_NE(lines[27].find("298.257223563"), std::string::npos);
  EXPECT_NE(lines[27].find("6356752.314245179"), std::string::npos);  // b
  EXPECT_NE(lines[27].find("0.00669437999014"), std::string::npos);   // e²
  EXPECT_NE(lines[32].find("sphere"), std::string::npos);             // row 31
}

struct GeodesicCase {
  std::vector<std::string> args;
  const char* expected;  // the one line printed
};

TEST(GeodesicCli, PrintsDistanceAndAzimuthOnOneLine) {
  const GeodesicCase cases[] = {
      // Southampton to London-ish, west longitudes negative.
      {{"geodesic", "50", "-1", "51.5", "-0.1"}, "178541.4968 20.491610966\n"},
      {{"geodesic", "-33.9", "18.4", "-34.0", "18.5", "--method", "1"}, "14439.0152 140.221027678\n"},
      // On the International ellipsoid the same line is 6.8 m longer.
      {{"geodesic", "50", "-1", "51.5", "-0.1", "--ellipsoid", "20"}, "178548.2582 20.491828992\n"},
      {{"geodesic", "10", "20", "10", "20"}, "0.0000 0.000000000\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const CliResult r = RunInSandbox(c.args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.expected);
  }
}

struct RefusalCase {
  std::vector<std::string> args;
  const char* message;  // part of what standard error says
};

TEST(GeodesicCli, RefusesWhatItCannotAnswer) {
  const RefusalCase cases[] = {
      {{"geodesic", "91", "0", "0", "0"}, "latitudes must lie within -90 to 90"},
      {{"geodesic", "0.5", "0", "-0.5", "179.7"}, "nearly antipodal"},
      {{"geodesic", "1", "2", "3"}, "LAT1 LON1 LAT2 LON2"},
      {{"geodesic", "1", "2", "3", "4", "--method", "2"}, "--method"},
      {{"geodesic", "1", "2", "3", "4", "--ellipsoid", "53"}, "--ellipsoid"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CliResult r = RunInSandbox(c.args);
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
}

TEST(HelmertCli, ForwardAndReverseShiftOnePoint) {
  const std::string osgb = "-446.448,125.157,-542.06,-0.1502,-0.247,-0.8421,20.4894";
  const CliResult forward = RunInSandbox({"helmert", "52", "-1.5", "100", "--shift", osgb, "--to", "0"});
  ASSERT_EQ(forward.status, 0) << forward.err;
  double lat = 0, lon = 0, h = 0;
  ASSERT_EQ(std::sscanf(forward.out.c_str(), "%lf %lf %lf", &lat, &lon, &h), 3) << forward.out;
  // ETRS89 to OSGB36 moves a point in the Midlands about 100 m east and
  // lowers it by about 48 m.
  EXPECT_NEAR(lat, 51.99957, 1e-5);
  EXPECT_NEAR(lon, -1.49853, 1e-5);
  EXPECT_NEAR(h, 51.61, 0.01);

  char point[3][32];
  std::snprintf(point[0], sizeof point[0], "%.9f", lat);
  std::snprintf(point[1], sizeof point[1], "%.9f", lon);
  std::snprintf(point[2], sizeof point[2], "%.4f", h);
  const CliResult back = RunInSandbox({"helmert", point[0], point[1], point[2], "--shift", osgb, "--to", "0", "--reverse"});
  ASSERT_EQ(back.status, 0) << back.err;
  ASSERT_EQ(std::sscanf(back.out.c_str(), "%lf %lf %lf", &lat, &lon, &h), 3);
  // The reverse step only negates the parameters: back to within
  // centimetres (1e-6° is 11 cm), not exactly.
  EXPECT_NEAR(lat, 52, 1e-6);
  EXPECT_NEAR(lon, -1.5, 1e-6);
  EXPECT_NEAR(h, 100, 0.05);
}

}  // namespace
