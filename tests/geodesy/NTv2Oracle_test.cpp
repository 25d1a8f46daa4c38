// CNTv2 on the five Canadian NTv2 files against PROJ's hgridshift reading
// the same files: points inside every sub-grid, on every edge and corner of
// every sub-grid (nested children included), 1e-9 degrees. Within half a
// second of a northern or western limit CNTv2 departs from PROJ on purpose
// (NTv2.h); NTv2Fixtures_test.cpp covers that rule on its own.
//
// CNTv2 truncates its input to 0.00001″ and converts with 0.017453292519943;
// each point is therefore given half a step above a multiple of 0.00001″,
// so that the truncated value is that multiple, and PROJ is given the
// multiple itself. What remains is the interpolation (floats widened to
// doubles, the same bilinear form) and the factor's 2e-14 relative error on
// output: both far below 1e-9 degrees (0.1 mm).

#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/shift/NTv2.h"
#include "support/TestMachine.h"

namespace {

constexpr double kToleranceDegrees = 1e-9;
constexpr double kTruncationStep = 1e-5;  // arc-seconds
constexpr double kExactRadiansPerArcSecond = std::numbers::pi / 180 / 3600;
constexpr char kGridFolder[] = "C:\\Grids\\";

using ProjPtr = std::unique_ptr<PJ, decltype(&proj_destroy)>;

struct Seconds {
  double lat, lon;  // arc-seconds, longitude positive west, multiples of 0.00001″
};

class NTv2Oracle : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    machine_.Mount(kGridFolder, std::filesystem::path(OVERLAYS_SOURCE_DIR) / "data/grids/ntv2");
    ASSERT_TRUE(ntv2_->LoadFile(std::string(kGridFolder) + GetParam()));
    const std::filesystem::path grids = std::filesystem::path(OVERLAYS_SOURCE_DIR) / "data/grids/ntv2";
    const std::string folder = grids.string();
    const char* paths[] = {folder.c_str()};
    proj_context_set_search_paths(context_.get(), 1, paths);
    proj_log_level(context_.get(), PJ_LOG_NONE);  // no proj.db is needed for a bare hgridshift
    proj_.reset(proj_create(context_.get(), ("+proj=hgridshift +grids=" + std::string(GetParam())).c_str()));
    ASSERT_NE(proj_, nullptr);
  }

  // Our shifted position against PROJ's, in degrees; the sub-grid used.
  int Compare(Seconds p) {
    const double lat = (p.lat + kTruncationStep / 2) / 3600 * kRadiansPerDegree;
    const double lon = -(p.lon + kTruncationStep / 2) / 3600 * kRadiansPerDegree;
    double shiftedLat = 0, shiftedLon = 0;
    const int used = ntv2_->Shift(lat, lon, shiftedLat, shiftedLon);
    const PJ_COORD expected = proj_trans(
        proj_.get(), PJ_FWD, proj_coord(-p.lon * kExactRadiansPerArcSecond, p.lat * kExactRadiansPerArcSecond, 0, 0));
    EXPECT_GE(used, 0) << p.lat << "\" " << p.lon << "\"";
    EXPECT_NEAR(shiftedLat / kRadiansPerDegree, proj_todeg(expected.lp.phi), kToleranceDegrees)
        << GetParam() << " " << p.lat << "\" " << p.lon << "\"W in " << Name(used);
    EXPECT_NEAR(-shiftedLon / kRadiansPerDegree, proj_todeg(expected.lp.lam), kToleranceDegrees)
        << GetParam() << " " << p.lat << "\" " << p.lon << "\"W in " << Name(used);
    return used;
  }

  std::string Name(int index) const {
    return index < 0 ? "(none)" : ntv2_->SubGrids()[static_cast<std::size_t>(index)].name;
  }

  // Whether a point lies within half a second of some sub-grid's northern
  // or western limit, where CNTv2 takes the limit row on purpose (see
  // NTv2.h) and PROJ the next row or the parent grid.
  bool NearAnyLimit(Seconds p) const {
    for (const DataSetDef& g : ntv2_->SubGrids())
      if (std::fabs(p.lat - g.nLat) <= 0.5 || std::fabs(p.lon - g.wLong) <= 0.5) return true;
    return false;
  }

  testing_support::TestMachine machine_;
  std::unique_ptr<CNTv2> ntv2_ = std::make_unique<CNTv2>();
  std::unique_ptr<PJ_CONTEXT, decltype(&proj_context_destroy)> context_{proj_context_create(), proj_context_destroy};
  ProjPtr proj_{nullptr, proj_destroy};
};

double Snapped(double seconds) { return std::round(seconds / kTruncationStep) * kTruncationStep; }

TEST_P(NTv2Oracle, InsideEverySubGrid) {
  std::mt19937_64 rng(20261206);
  for (const DataSetDef& g : ntv2_->SubGrids()) {
    std::uniform_real_distribution<double> lat(g.sLat, g.nLat), lon(g.eLong, g.wLong);
    for (int i = 0; i < 40; ++i) {
      const Seconds p{Snapped(lat(rng)), Snapped(lon(rng))};
      if (!NearAnyLimit(p)) Compare(p);
    }
  }
}

// Every corner and the middle of every edge, children's edges inside their
// parents included. The northern and western limits are where CNTv2 stands
// the limit row in for the missing one.
TEST_P(NTv2Oracle, OnEverySubGridEdge) {
  for (const DataSetDef& g : ntv2_->SubGrids()) {
    const double midLat = g.sLat + std::floor((g.nLat - g.sLat) / g.latInc / 2) * g.latInc + g.latInc / 3;
    const double midLon = g.eLong + std::floor((g.wLong - g.eLong) / g.longInc / 2) * g.longInc + g.longInc / 3;
    for (const Seconds p : {Seconds{g.sLat, g.eLong}, Seconds{g.sLat, g.wLong}, Seconds{g.nLat, g.eLong},
                            Seconds{g.nLat, g.wLong}, Seconds{g.sLat, Snapped(midLon)},
                            Seconds{g.nLat, Snapped(midLon)}, Seconds{Snapped(midLat), g.eLong},
                            Seconds{Snapped(midLat), g.wLong}})
      Compare(p);
  }
}

INSTANTIATE_TEST_SUITE_P(CanadianGrids, NTv2Oracle,
                         ::testing::Values("BC_27_05.GSB", "SK27-98.GSB", "CRD27_00.GSB", "ABCSRSV4.GSB",
                                           "NA83SCRS.GSB"),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
