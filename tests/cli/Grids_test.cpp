// overlays grids end to end, and project/unproject --grid: the listing's
// rows and forms, and each PROJ string it prints run in PROJ against the
// host's own answer for the same grid, one row of each projection form.

#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include "CliRunner.h"

namespace {

using testing_support::CliCase;
using testing_support::Contains;
using testing_support::ExpectCli;
using testing_support::Lines;
using testing_support::RunCli;

TEST(GridsCli, ListsTheCatalogueAndRefusesWhatItCannotAnswer) {
  const CliCase cases[] = {
      {{"grids", "--kind", "0"}, 0, "0:31:0  UTM Grid Zone 31 (3\u00B0 E)  [WGS 1984]  EPSG:32631\n"
                                    "    +proj=tmerc +lat_0=0 +lon_0=3 +k=0.9996 +x_0=500000 +y_0=0 +a=6378137 "
                                    "+rf=298.257223563 +units=m\n", ""},
      {{"grids", "--kind", "2", "--format", "csv"}, 0,
       "34,\"GK Zone 31\",\"(177\u00B0 W)\",\"Krassowsky 1940\",28431,\"+proj=tmerc +lat_0=0 +lon_0=-177 ", ""},
      {{"grids", "--kind", "7", "--format", "json"}, 0, "\"name\": \" Grid\",\n    \"zone\": \"Singapore\"", ""},
      {{"grids", "--kind", "14", "--format", "json"}, 0, "\"epsg\": null", ""},
      {{"grids", "--kind", "15"}, 1, "", "--kind"},
      {{"grids", "--format", "xml"}, 1, "", "--format"},
      {{"project", "--grid", "1:0", "52.658", "1.716"}, 0, "651277.5452 313218.3298 2.955863481 1.0003764991\n", ""},
      {{"unproject", "--grid", "0:33:1", "500000", "10000000"}, 0, "0.0000000000 15.0000000000", ""},
      {{"project", "--grid", "5:5", "0", "0"}, 1, "", "the catalogue has no grid 5:5"},
      {{"project", "--grid", "15:0", "0", "0"}, 1, "", "the catalogue has no grid 15:0"},
      // Kinds 13 and 14 through the catalogue: their own figures, and kind
      // 13 refusing a point away from Norway.
      {{"project", "--grid", "14:1", "56", "9.5"}, 0, "264689.3646 174673.5058 -0.729842331 0.9999477633\n", ""},
      {{"project", "--grid", "13:0", "40", "3"}, 1, "", "lies outside the projection"},
      {{"project", "--grid", "9:1", "34", "39"}, 1, "", "grid 9:1 (Levant II) has no published definition"},
      {{"project", "--grid", "1", "0", "0"}, 1, "", "'1' is not a grid: give KIND:ROW"},
      {{"project", "--grid", "1:2:3:4", "0", "0"}, 1, "", "is not a grid"},
      {{"project", "--grid", "1:-2", "0", "0"}, 1, "", "is not a grid"},
      {{"project", "--grid", "1:0", "--lon0", "3", "0", "0"}, 1, "", "--grid excludes --lon0"},
  };
  for (const auto& c : cases) ExpectCli(c);
}

TEST(GridsCli, EveryRowIsListedOnceInEachForm) {
  // 433 rows, UTM's 62 twice (north and south), and the header.
  const auto csv = Lines(RunCli({"grids", "--format", "csv"}).out);
  EXPECT_EQ(csv.size(), 433u + 62u + 1u);
  const auto text = Lines(RunCli({"grids"}).out);
  EXPECT_EQ(text.size(), 2 * (433u + 62u));
  // Four named grids have no definition we could find: nothing is made up.
  std::size_t unpublished = 0;
  for (std::size_t i = 1; i < text.size(); i += 2) {
    unpublished += text[i] == "    (no published definition)";
    EXPECT_TRUE(Contains(text[i], "    +proj=") || text[i] == "    (no published definition)") << text[i];
  }
  EXPECT_EQ(unpublished, 4u);
}

// The PROJ string of a row, from the CSV listing.
std::string ProjStringOf(const std::string& address) {
  for (const std::string& line : Lines(RunCli({"grids", "--format", "csv"}).out))
    if (line.rfind(address + ",", 0) == 0) return line.substr(line.find("\"+proj=") + 1, std::string::npos);
  return "";
}

struct Point {
  double e = 0, n = 0;
};

Point HostProject(const std::string& address, double lat, double lon) {
  std::istringstream out(RunCli({"project", "--grid", address, std::to_string(lat), std::to_string(lon)}).out);
  Point p;
  out >> p.e >> p.n;
  return p;
}

Point ProjProject(std::string projText, double lat, double lon) {
  projText.pop_back();  // the closing quote
  PJ_CONTEXT* ctx = proj_context_create();
  PJ* pj = proj_create(ctx, projText.c_str());
  Point p;
  if (pj) {
    const PJ_COORD c = proj_trans(pj, PJ_FWD, proj_coord(proj_torad(lon), proj_torad(lat), 0, 0));
    p = {c.xy.x, c.xy.y};
    proj_destroy(pj);
  }
  proj_context_destroy(ctx);
  return p;
}

// One row of each PROJ form, with a point of its area. Bounds as in the
// geodesy oracle tests: the Transverse Mercator series 2.5 mm within 3° of
// the meridian, the coast survey's NAD27 TM 7.8 mm, the near-conformal
// conic's series 3.4 mm within 3° of lat0; the closed forms far below 1 mm.
// The host prints four decimals, so no bound is below 0.1 mm.
TEST(GridsCli, ThePrintedProjStringsGiveTheHostsAnswers) {
  const struct {
    const char* address;
    double lat, lon, metres;
  } rows[] = {
      {"0:32:1", -20, 10, 5e-3},    {"1:0", 55, -3, 5e-3},       {"2:0", 50, 6.5, 5e-3},
      {"3:3", -26, 23.5, 5e-3},     {"4:0", 32, -85, 5e-3},      {"5:1", 34, -18, 1e-3},
      {"6:1", 35, 10, 5e-3},        {"6:8", 53, -175, 1e-3},     {"7:0", 25.5, 51, 1e-3},
      {"8:0", 13.5, 144.8, 1e-3},   {"9:2", 52, 5, 1e-3},        {"10:0", -15, -50, 1e-3},
      {"11:0", 5, 116, 1e-3},       {"11:1", 4, 101, 1e-3},      {"12:0", 32, -85, 1e-2},
      {"12:11", 52, -175, 1e-3},    {"12:2", 57, -134, 2e-3},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.address);
    const std::string projText = ProjStringOf(r.address);
    ASSERT_FALSE(projText.empty());
    const Point ours = HostProject(r.address, r.lat, r.lon), proj = ProjProject(projText, r.lat, r.lon);
    EXPECT_LT(std::hypot(ours.e - proj.e, ours.n - proj.n), r.metres) << projText;
  }
}

}  // namespace
