// The NADCON shift on the published grids against PROJ's hgridshift on the
// same grids copied into NTv2 files at build time (tools/nadcon_to_ntv2.py):
// both interpolate bilinearly in the same float32 nodes, so they agree to
// rounding. 1e-9 degrees (0.1 mm) leaves room for PROJ working in radians
// from arc-second extents; the worst difference seen is printed.

#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "frame/Folders.h"
#include "geodesy/shift/NadconShift.h"
#include "support/TestMachine.h"

namespace {

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

class NadconOracle : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::is_directory(kGridsNtv2))
        << kGridsNtv2 << " is missing: build the target nadcon_ntv2_grids (needs python3-gdal)";
    std::string folder;
    ASSERT_TRUE(FindDataFolder(folder, nadcon::kDataFolder));
    machine_.Mount(folder, OVERLAYS_SOURCE_DIR "/data/grids/nadcon");
  }

  std::unique_ptr<PJ, ProjDeleter> HgridShift(const std::string& title) {
    const std::string definition = "+proj=hgridshift +grids=" + std::string(kGridsNtv2) + "/" + title + ".gsb";
    return std::unique_ptr<PJ, ProjDeleter>(proj_create(context_.get(), definition.c_str()));
  }

  static constexpr const char* kGridsNtv2 = OVERLAYS_BINARY_DIR "/data/nadcon-ntv2";
  testing_support::TestMachine machine_;
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
