// The NADCON shift on hand-made grids from tools/NadconGridWriter (the
// search order, edges, the inverse and hostile files), and on the published
// grids against PROJ's hgridshift on the same grids copied into NTv2 files
// at build time (tools/nadcon_to_ntv2.py): both interpolate bilinearly in
// the same float32 nodes, so they agree to rounding. 1e-9 degrees (0.1 mm)
// leaves room for PROJ working in radians from arc-second extents; the
// worst difference seen is printed.

#include "geodesy/shift/NadconShift.h"

#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "NadconGridWriter.h"
#include "frame/Folders.h"
#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;
using tools::NadconGridPair;
using tools::PlaneNadconGrid;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Hand-made regions. CONUS and ALASKA overlap over -98..-96, 31..33; the
// Alaskan islands' files are missing, so the search passes over them;
// STPAUL straddles the antimeridian. FLHPGN lies inside CONUS but belongs
// to the other table.
NadconGridPair Conus() { return PlaneNadconGrid(5, 4, -100, 30, 1, 1); }
NadconGridPair Alaska() { return PlaneNadconGrid(9, 5, -98, 31, 1, 1, 5, -3); }
NadconGridPair StPaul() { return PlaneNadconGrid(5, 3, -180.5f, 50, 0.25f, 0.5f, 0.5f, 10); }
NadconGridPair Florida() { return PlaneNadconGrid(3, 3, -99, 31, 0.5f, 0.5f, -2, 4); }
// A latitude shift so steep (100" across a node spacing of 0.001 degrees)
// that the inverse's fixed-point steps overshoot further each time.
NadconGridPair Steep() {
  NadconGridPair g = PlaneNadconGrid(5, 5, -99, 40, 0.001f, 0.001f);
  for (std::size_t i = 0; i < g.latShifts.size(); ++i) g.latShifts[i] = 100.0f * static_cast<float>(1 + i / 5);
  return g;
}

class NadconShift : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FindDataFolder(folder_, nadcon::kDataFolder)); }
  void Put(const std::string& code, const NadconGridPair& grid) const {
    ASSERT_TRUE(tools::WriteNadconPair(machine_.Host(folder_), code, grid));
  }
  void PutRegions() const {
    Put("CONUS", Conus());
    Put("ALASKA", Alaska());
    Put("STPAUL", StPaul());
    Put("FLHPGN", Florida());
  }

  TestMachine machine_;
  std::string folder_;
};

// Where a plane grid puts a point: its shifts are linear in the node
// indices, so bilinear interpolation must give them exactly.
nadcon::Position PlaneShifted(const NadconGridPair& g, double lat, double lon) {
  const NadconHeaderDef& h = g.header;
  const double row = (lat - h.yMin) / h.dy, column = (lon - h.xMin) / h.dx;
  const double latShift = g.latShifts[0] + row + column / 8, lonShift = g.lonShifts[0] + column - row / 4;
  return {lat + latShift / 3600, lon - lonShift / 3600};
}

TEST_F(NadconShift, SearchesTheModesTableInOrderWithStrictEdges) {
  PutRegions();
  constexpr char kConus[] = "  (Conterminous U S (lower 48 states))", kAlaska[] = "  (Alaska, incl. Aleutian Islands)";
  // The region expected to serve is the grid given, or none.
  const struct { const char* what; double lat, lon; int mode; NadconGridPair (*grid)(); const char* area; } cases[] = {
      {"inside CONUS only", 30.5, -99.5, 0, Conus, kConus},
      {"inside both: the first in the table", 32.25, -97.5, 0, Conus, kConus},
      {"on CONUS's east edge: the next region", 32.25, -96, 0, Alaska, kAlaska},
      {"on a node inside the grid", 32, -97, 1, Conus, kConus},
      {"east of Greenwich is negative west", 32.5, 268.5, 0, Alaska, kAlaska},
      {"across the antimeridian", 50.6, 179.75, 0, StPaul, "  (St. Paul Is., Old Island Datum within Alaska)"},
      {"the HPGN table", 31.5, -98.5, 2, Florida, "  (Florida)"},
      {"on ALASKA's north edge, nothing beyond", 35, -95, 0, nullptr, "(Out Of Limits)"},
      {"a HPGN mode outside its regions", 30.5, -99.5, 3, nullptr, "(Out Of Limits)"},
      {"not a number", std::nan(""), -97.5, 0, nullptr, "(Out Of Limits)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CNadconRegion slot;
    nadcon::Position out;
    EXPECT_EQ(nadcon::Shift(c.lat, c.lon, slot, c.mode, out), c.grid != nullptr);
    EXPECT_EQ(nadcon::AreaText(slot), c.area);
    const double lon = c.lon > 0 ? c.lon - 360 : c.lon;
    nadcon::Position want{c.lat, lon};
    if (c.grid) want = PlaneShifted(c.grid(), c.lat, lon);
    if (want.lon < -180) want.lon += 360;
    if (std::isnan(c.lat)) continue;
    EXPECT_NEAR(out.lat, want.lat, 1e-12);
    EXPECT_NEAR(out.lon, want.lon, 1e-12);
  }
}

// The slot keeps its grids while points stay inside them and moves to the
// next region only when one falls outside: a file removed after loading
// goes unnoticed until then.
TEST_F(NadconShift, KeepsTheSlotUntilAPointLeavesIt) {
  PutRegions();
  CNadconRegion slot;
  nadcon::Position out;
  ASSERT_TRUE(nadcon::Shift(30.5, -99.5, slot, 0, out));
  std::filesystem::remove(machine_.Host(folder_ + "CONUS.las"));
  EXPECT_TRUE(nadcon::Shift(32.5, -97.5, slot, 0, out));
  EXPECT_EQ(slot.Code(), "CONUS");
  EXPECT_TRUE(nadcon::Shift(34.5, -91, slot, 0, out));
  EXPECT_EQ(slot.Code(), "ALASKA");
  EXPECT_TRUE(nadcon::Shift(32.5, -97.5, slot, 0, out));
  EXPECT_EQ(slot.Code(), "ALASKA");
}

TEST_F(NadconShift, InverseUndoesTheShiftOrGivesZero) {
  PutRegions();
  Put("STGEORGE", Steep());
  const struct { const char* what; double lat, lon; bool converges; } cases[] = {
      {"inside a grid", 31.7, -98.2, true},
      {"across the antimeridian", 50.6, 179.75, true},
      {"shifts too steep to settle", 40.002, -98.998, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CNadconRegion slot;
    nadcon::Position original, back;
    EXPECT_EQ(nadcon::InverseShift(c.lat, c.lon, slot, 0, original), c.converges);
    if (!c.converges) {
      EXPECT_EQ(original.lat, 0);
      EXPECT_EQ(original.lon, 0);
      continue;
    }
    ASSERT_TRUE(nadcon::Shift(original.lat, original.lon, slot, 0, back));
    EXPECT_NEAR(back.lat, c.lat, 1e-9);
    EXPECT_NEAR(std::remainder(back.lon - c.lon, 360), 0, 1e-9);
  }
}

struct HostileCase {
  const char* what;
  std::function<void(NadconGridPair&)> grid;             // changed before writing
  std::function<void(std::string&, std::string&)> bytes = nullptr;  // then the bytes of both files
};

void Truncate(std::string& las, std::string&) { las.resize(las.size() - 2); }

TEST_F(NadconShift, RefusesHostileFilesQuietly) {
  const auto none = [](NadconGridPair&) {};
  const HostileCase cases[] = {
      {"truncated in the last row", none, Truncate},
      {"header only", none, [](std::string& las, std::string&) { las.resize(kNadconHeaderSize); }},
      {"empty file", none, [](std::string& las, std::string&) { las.clear(); }},
      {"more rows than the file holds", [](NadconGridPair& g) { g.header.rows = 1000; }, nullptr},
      {"counts whose product overflows", [](NadconGridPair& g) { g.header.columns = g.header.rows = 0x7FFFFFFF; }},
      {"negative columns", [](NadconGridPair& g) { g.header.columns = -4; }},
      {"one column: no cell", [](NadconGridPair& g) { g.header.columns = 1; }},
      {"zero spacing", [](NadconGridPair& g) { g.header.dx = 0; }},
      {"negative spacing", [](NadconGridPair& g) { g.header.dy = -1; }},
      {"spacing not a number", [](NadconGridPair& g) { g.header.dx = kNaN; }},
      {"origin not a number", [](NadconGridPair& g) { g.header.yMin = kNaN; }},
      {"a latitude shift not a number", [](NadconGridPair& g) { g.latShifts[7] = kNaN; }},
      {"a longitude shift infinite", [](NadconGridPair& g) { g.lonShifts.back() = INFINITY; }},
      {"first shift exactly zero: rows found a word late", [](NadconGridPair& g) { g.latShifts[0] = 0; }},
      {"partner file on other nodes", nullptr,
       [](std::string&, std::string& los) {
         los = tools::NadconFileBytes(PlaneNadconGrid(5, 4, -100, 30.5f, 1, 1).header, Conus().lonShifts);
       }},
      {"partner file missing", nullptr, [](std::string&, std::string& los) { los.clear(); }},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.what);
    NadconGridPair grid = Conus();
    if (c.grid) c.grid(grid);
    std::string las = tools::NadconFileBytes(grid.header, grid.latShifts);
    std::string los = tools::NadconFileBytes(grid.header, grid.lonShifts);
    if (c.bytes) c.bytes(las, los);
    machine_.Write(folder_ + "CONUS.las", las);
    if (los.empty())
      std::filesystem::remove(machine_.Host(folder_ + "CONUS.los"));
    else
      machine_.Write(folder_ + "CONUS.los", los);
    CNadconRegion slot;
    EXPECT_FALSE(nadcon::LoadRegion("CONUS", slot));
    EXPECT_EQ(slot.Code(), kNadconNotSelected);
    nadcon::Position out;
    EXPECT_FALSE(nadcon::Shift(30.5, -99.5, slot, 0, out));
  }
}

constexpr double kOracleTolerance = 1e-9;    // degrees
constexpr double kRoundTripTolerance = 1e-8;  // degrees, ten times the inverse's own stopping step
constexpr double kRadiansPerDegree = std::numbers::pi / 180;

const char* const kTitles[] = {"conus",  "alaska",   "hawaii", "prvi",   "stlrnc", "stgeorge",
                               "stpaul", "flhpgn",   "mdhpgn", "tnhpgn", "wihpgn", "wohpgn"};

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

struct ProjDeleter {
  void operator()(PJ* p) const { proj_destroy(p); }
  void operator()(PJ_CONTEXT* c) const { proj_context_destroy(c); }
};

// Random points inside the grid, and points on its inner node lines and
// nodes, where a cell ends and the next begins.
std::vector<nadcon::Position> PointsIn(const NadconHeaderDef& h, std::uint64_t seed) {
  std::vector<nadcon::Position> points;
  const double west = h.xMin, south = h.yMin;
  const double east = west + (h.columns - 1) * static_cast<double>(h.dx);
  const double north = south + (h.rows - 1) * static_cast<double>(h.dy);
  std::mt19937_64 rng(seed);
  // Half a cell in from the outer edges: the inverse's first estimate, a
  // shift (seconds) away, must still lie on the grid.
  std::uniform_real_distribution<double> lat(south + h.dy / 2, north - h.dy / 2), lon(west + h.dx / 2, east - h.dx / 2);
  for (int i = 0; i < 300; ++i) points.push_back({lat(rng), lon(rng)});
  for (int i = 1; i < 20; ++i) {
    const double row = south + (1 + rng() % (h.rows - 2)) * static_cast<double>(h.dy);
    const double column = west + (1 + rng() % (h.columns - 2)) * static_cast<double>(h.dx);
    points.push_back({row, lon(rng)});
    points.push_back({lat(rng), column});
    points.push_back({row, column});
  }
  return points;
}

// The published grids in the module's NADCON folder.
class NadconOracle : public NadconShift {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::is_directory(kGridsNtv2))
        << kGridsNtv2 << " is missing: build the target nadcon_ntv2_grids (needs python3-gdal)";
    NadconShift::SetUp();
    machine_.Mount(folder_, OVERLAYS_SOURCE_DIR "/data/grids/nadcon");
  }

  std::unique_ptr<PJ, ProjDeleter> HgridShift(const std::string& title) {
    const std::string definition = "+proj=hgridshift +grids=" + std::string(kGridsNtv2) + "/" + title + ".gsb";
    return std::unique_ptr<PJ, ProjDeleter>(proj_create(context_.get(), definition.c_str()));
  }

  static constexpr const char* kGridsNtv2 = OVERLAYS_BINARY_DIR "/data/nadcon-ntv2";
  std::unique_ptr<PJ_CONTEXT, ProjDeleter> context_{proj_context_create()};
};

TEST_F(NadconOracle, EveryRegionAgreesWithHgridshiftAndRoundTrips) {
  for (const char* title : kTitles) {
    SCOPED_TRACE(title);
    const auto proj = HgridShift(title);
    ASSERT_NE(proj, nullptr);
    CNadconRegion slot;
    ASSERT_TRUE(nadcon::LoadRegion(Upper(title), slot));
    // The loaded slot covers every point, so the mode's table is never
    // searched and the region is the one under test.
    const int mode = std::string(title).ends_with("hpgn") ? 2 : 0;
    double worst = 0, worstRoundTrip = 0;
    for (const nadcon::Position& p : PointsIn(slot.Header(), std::hash<std::string>{}(title))) {
      if (!slot.Covers(p.lat, p.lon)) continue;
      nadcon::Position ours, back;
      ASSERT_TRUE(nadcon::Shift(p.lat, p.lon, slot, mode, ours));
      ASSERT_EQ(slot.Code(), Upper(title));
      const PJ_COORD peer =
          proj_trans(proj.get(), PJ_FWD, proj_coord(p.lon * kRadiansPerDegree, p.lat * kRadiansPerDegree, 0, 0));
      worst = std::max({worst, std::fabs(ours.lat - peer.lp.phi / kRadiansPerDegree),
                        std::fabs(std::remainder(ours.lon - peer.lp.lam / kRadiansPerDegree, 360))});
      ASSERT_TRUE(nadcon::InverseShift(ours.lat, ours.lon, slot, mode, back));
      worstRoundTrip = std::max({worstRoundTrip, std::fabs(back.lat - p.lat),
                                 std::fabs(std::remainder(back.lon - p.lon, 360))});
    }
    EXPECT_LE(worst, kOracleTolerance);
    EXPECT_LE(worstRoundTrip, kRoundTripTolerance);
    std::printf("%-9s worst against PROJ %.2e degrees, round trip %.2e degrees\n", title, worst, worstRoundTrip);
  }
}

}  // namespace
