// overlays wrecks show on the sample database the demo installs.

#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <string>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliCase;
using testing_support::Contains;
using testing_support::ExpectCli;
using testing_support::Lines;
using testing_support::RunCli;

const std::string& Root() {
  static const testing_support::TempFolder sandbox;
  static const std::string root = [] {
    const auto demo = RunCli({"--root", sandbox.Path().string(), "demo"});
    EXPECT_EQ(demo.status, 0) << demo.err;
    return sandbox.Path().string();
  }();
  return root;
}

// The value a "  Label: value" line of the output gives, as a number.
double Value(const std::string& out, const std::string& label) {
  for (const std::string& line : Lines(out))
    if (line.rfind(label + ": ", 0) == 0) return std::stod(line.substr(label.size() + 2));
  ADD_FAILURE() << label << " missing";
  return 0;
}

std::vector<std::string> Show(std::vector<std::string> args) {
  args.insert(args.begin(), {"--root", Root(), "wrecks", "show"});
  return args;
}

// The pages come in the dialog's tab order, and without a datum there is no grid.
TEST(WrecksShowCli, PagesInTabOrderAndFailures) {
  const std::string page =
      ExpectCli({Show({"100001"}), 0, "Wreck ID 100001\nGeneral\n  Name: RMS Star Crown\n", ""}).out;
  std::size_t at = 0;
  for (const char* part : {"  Flag: Panama\n", "\nSurvey\n  Sonar:", "\nHistory\n  Sunk: 28 Mar 1914\n",
                           "\nCharting\n  Symbol: Wk (PA)\n"}) {
    at = page.find(part, at);
    EXPECT_NE(at, std::string::npos) << part << "\n" << page;
  }
  const CliCase rows[] = {
      {Show({"100001", "--datum", "-1:0"}), 0, "  Longitude: 006\xC2\xB0 02'", ""},
      {Show({"5"}), 1, "", "there is no wreck with ID 5"},
      {Show({"100001", "--grid", "0:30"}), 1, "", "--grid needs --datum"},
      {Show({"100001", "--datum", "1:58"}), 1, "", "there is no datum 1:58"},
  };
  for (const CliCase& row : rows) EXPECT_FALSE(Contains(ExpectCli(row).out, "Easting"));
}

// With no datum shift, the easting and northing are the UTM projection of
// the record's position, so PROJ answers them from the dump's latitude and
// longitude. Those are printed to 1e-7 degree (at most 6 mm on the ground
// each way) and the Transverse Mercator series is good to 2.5 mm here, so
// 2 cm is a safe bound that still catches a wrong zone, datum or axis.
TEST(WrecksShowCli, GridPositionIsTheUtmProjection) {
  const auto dump = RunCli({"--root", Root(), "wrecks", "dump", "--limit", "2"});
  const std::string second = dump.out.substr(dump.out.find("id: 100001"));
  const double lat = Value(second, "  latitude"), lon = Value(second, "  longitude");
  const auto shown = RunCli(Show({"100001", "--datum", "0:0", "--grid", "0:30"}));
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_TRUE(Contains(shown.out, "  Ellipsoid: WGS 1984\n  Grid: UTM Grid Zone 30 (3\xC2\xB0 W)\n")) << shown.out;

  PJ_CONTEXT* ctx = proj_context_create();
  PJ* utm = proj_create(ctx, "+proj=utm +zone=30 +ellps=WGS84");
  ASSERT_NE(utm, nullptr);
  const PJ_COORD c = proj_trans(utm, PJ_FWD, proj_coord(proj_torad(lon), proj_torad(lat), 0, 0));
  proj_destroy(utm);
  proj_context_destroy(ctx);
  EXPECT_LT(std::hypot(Value(shown.out, "  Easting") - c.xy.x, Value(shown.out, "  Northing") - c.xy.y), 0.02);
}

}  // namespace
