// CNTv2 and the NTv2 reader on hand-made files from tools/NTv2FileWriter:
// the edge rules and nesting, hostile headers, truncation, serialisation
// and the settings written at the end. The fixtures' node shifts are linear
// in lat″ and lon″, which bilinear interpolation reproduces exactly, so
// every expected shift is the grid's function at the point (or at the limit
// the point is held to). Shifts are stored as floats: 1e-5″ covers their
// rounding at these magnitudes.
//
// Then CNTv2 on the five Canadian NTv2 files against PROJ's hgridshift
// reading the same files: points inside every sub-grid, on every edge and
// corner of every sub-grid (nested children included), 1e-9 degrees, away
// from the half second by a northern or western limit where CNTv2 departs
// from PROJ on purpose (NTv2.h). CNTv2 truncates its input to 0.00001″ and
// converts with 0.017453292519943; each point is therefore given half a step
// above a multiple of 0.00001″, so that the truncated value is that
// multiple, and PROJ is given the multiple itself. What remains is the
// interpolation (floats widened to doubles, the same bilinear form) and the
// factor's 2e-14 relative error on output: both far below 1e-9 degrees.

#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <utility>

#include "NTv2FileWriter.h"
#include "frame/ConfigFile.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/shift/NTv2.h"
#include "geodesy/shift/NTv2File.h"
#include "support/TestMachine.h"

namespace {

constexpr double kShiftTolerance = 1e-5;  // arc-seconds
constexpr double kTruncationStep = 1e-5;  // arc-seconds, CNTv2's
constexpr double kHalfTruncationStep = kTruncationStep / 2;

// Each grid's shift is its own linear function, offset by a grid constant
// so that a point served by the wrong grid shows.
tools::NodeShiftFunction LinearShift(double offset) {
  return [offset](double lat, double lon) {
    return GridShiftRecordDef{static_cast<float>(offset + 0.001 * (lat - 180000)),
                              static_cast<float>(-offset + 0.002 * (lon - 360000)), 0.1f, 0.1f};
  };
}

struct GridPlan { const char *name, *parent; double sLat, nLat, eLong, wLong, inc, offset; };

// TOP holds KID, which holds GRAND; LOOP names itself as parent and DUP
// repeats KID's name under KID, so a search that follows names could loop.
const GridPlan kPlans[] = {
    {"TOP", "NONE", 180000, 183600, 360000, 363600, 300, 1.0},
    {"KID", "TOP", 181200, 181800, 361200, 361800, 60, 1.5},
    {"GRAND", "KID", 181500, 181560, 361500, 361560, 30, 1.75},
    {"LOOP", "LOOP", 170000, 190000, 350000, 370000, 5000, 9.0},
    {"KID", "KID", 181620, 181740, 361620, 361740, 60, 2.5},
};

tools::NTv2FileLayout FixtureLayout() {
  tools::NTv2FileLayout layout;
  layout.overview = {"SECONDS", "TEST 1", "NAD27", "NAD83", 6378206.4, 6356583.8, 6378137, 6356752.314};
  for (const GridPlan& p : kPlans)
    layout.subGrids.push_back(
        tools::MakeSubGrid(p.name, p.parent, p.sLat, p.nLat, p.eLong, p.wLong, p.inc, p.inc, LinearShift(p.offset)));
  return layout;
}

// Whether the reader accepts the bytes; the shifts-only reading must agree.
bool Accepted(const std::string& bytes) {
  std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::tmpfile(), std::fclose);
  std::fwrite(bytes.data(), 1, bytes.size(), file.get());
  std::rewind(file.get());
  const bool whole = ReadNTv2(file.get(), bytes.size()).has_value();
  std::rewind(file.get());
  EXPECT_EQ(ReadNTv2Shifts(file.get(), bytes.size()).has_value(), whole);
  return whole;
}

class NTv2Fixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ntv2_ = std::make_unique<CNTv2>();
    machine_.Write(ntv2_->folder + "FIXTURE.GSB", tools::NTv2FileBytes(FixtureLayout()));
    ASSERT_TRUE(ntv2_->LoadGlobalFile("FIXTURE.GSB"));
  }

  testing_support::TestMachine machine_;
  std::unique_ptr<CNTv2> ntv2_;
};

TEST_F(NTv2Fixture, EdgeRulesAndNesting) {
  // Arc-seconds, west positive, and the index into kPlans (−1 for none).
  const struct { const char* what; double lat, lon; int grid; } cases[] = {
      {"inside the top grid", 180150, 360450, 0},
      {"south-east corner", 180000, 360000, 0},
      {"just south of the top grid", 179999.9, 360450, -1},
      {"inside a child", 181300, 361300, 1},
      {"child's south-east corner belongs to the child", 181200, 361200, 1},
      {"inside a grandchild", 181530, 361530, 2},
      {"on the top grid's northern limit: its northern row", 183600, 361000, 0},
      {"on the western limit: its western column", 181000, 363600, 0},
      {"north-west corner: the last node", 183600, 363600, 0},
      {"0.4\" north of the limit: held to it", 183600.4, 361000, 0},
      {"0.4\" west of the limit: held to it", 181000, 363600.4, 0},
      {"0.6\" north of the limit: outside", 183600.6, 361000, -1},
      {"0.4\" north of the child: the child's limit row", 181800.4, 361300, 1},
      {"0.6\" north of the child: the parent", 181800.6, 361300, 0},
      {"on the duplicate's area: the first KID, then its namesake, no loop", 181650, 361650, 4},
  };
  for (const auto& c : cases) {
    const double lat = (c.lat + kHalfTruncationStep) / 3600 * kRadiansPerDegree;
    const double lon = -(c.lon + kHalfTruncationStep) / 3600 * kRadiansPerDegree;
    double shiftedLat = -1, shiftedLon = -1;
    const int used = ntv2_->Shift(lat, lon, shiftedLat, shiftedLon);
    ASSERT_EQ(used, c.grid) << c.what;
    if (used < 0) {
      EXPECT_EQ(shiftedLat, -1) << c.what << ": outputs untouched";
      continue;
    }
    // The grid's function at the point, held to the grid's northern and western limits.
    const GridPlan& plan = kPlans[used];
    const GridShiftRecordDef s = LinearShift(plan.offset)(std::min(c.lat, plan.nLat), std::min(c.lon, plan.wLong));
    EXPECT_NEAR(shiftedLat / kRadiansPerDegree * 3600 - c.lat, s.latShift, kShiftTolerance) << c.what;
    EXPECT_NEAR(shiftedLon / kRadiansPerDegree * 3600 - c.lon, s.lonShift, kShiftTolerance) << c.what;
    // The sign of the longitude is dropped: east gives the same.
    double eastLat = 0, eastLon = 0;
    EXPECT_EQ(ntv2_->Shift(lat, -lon, eastLat, eastLon), used) << c.what;
    EXPECT_EQ(eastLon, shiftedLon) << c.what;
  }
}

// The node count the header implies is checked before anything is read.
TEST(NTv2Reader, RefusesHostileHeaders) {
  const double nan = std::nan("");
  const struct { const char* what; std::function<void(tools::NTv2FileLayout&)> spoil; } cases[] = {
      {"GS_COUNT beyond the file", [](auto& s) { s.gsCount = 0x7FFFFFFF; }},
      {"GS_COUNT short of rows x columns", [](auto& s) { s.gsCount = 3; }},
      {"GS_COUNT negative", [](auto& s) { s.gsCount = -1; }},
      {"rows x columns beyond GS_COUNT", [](auto& s) { s.subGrids[0].nLat += 300; }},
      {"zero latitude increment", [](auto& s) { s.subGrids[0].latInc = 0; }},
      {"negative longitude increment", [](auto& s) { s.subGrids[0].longInc = -300; }},
      {"NaN increment", [nan](auto& s) { s.subGrids[0].latInc = nan; }},
      {"NaN extent", [nan](auto& s) { s.subGrids[1].sLat = nan; }},
      {"northern limit south of the southern", [](auto& s) { std::swap(s.subGrids[0].sLat, s.subGrids[0].nLat); }},
      {"NaN shift", [nan](auto& s) { s.subGrids[2].records[3].lonShift = static_cast<float>(nan); }},
      {"infinite shift", [](auto& s) { s.subGrids[1].records[0].latShift = INFINITY; }},
      {"NUM_FILE beyond the file", [](auto& s) { s.numFile = 0x7FFFFFFF; }},
      {"NUM_FILE beyond the sub-grids there", [](auto& s) { s.numFile = 6; }},
      {"NUM_FILE zero", [](auto& s) { s.numFile = 0; }},
      {"NUM_FILE negative", [](auto& s) { s.numFile = -5; }},
      {"NUM_OREC not 11", [](auto& s) { s.numOrec = 12; }},
  };
  for (const auto& c : cases) {
    tools::NTv2FileLayout layout = FixtureLayout();
    c.spoil(layout);
    EXPECT_FALSE(Accepted(tools::NTv2FileBytes(layout))) << c.what;
  }
}

TEST(NTv2Reader, RefusesEveryTruncation) {
  const std::string bytes = tools::NTv2FileBytes(FixtureLayout());
  constexpr std::size_t kEndRecord = 16;  // optional: the data end before it
  for (std::size_t size = 0; size < bytes.size(); ++size)
    EXPECT_EQ(Accepted(bytes.substr(0, size)), size >= bytes.size() - kEndRecord) << size;
}

// Serialised sub-grids shift alike; every truncation, and a node count
// beyond the cap or the bytes, is refused and leaves the list as it was.
TEST_F(NTv2Fixture, SerialisationRoundTripsAndRefusesDamage) {
  const std::string bytes = ntv2_->Serialize();
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  CNTv2 copy;
  ASSERT_TRUE(copy.Deserialize({data, bytes.size()}));
  const double lat = 181530.2 / 3600 * kRadiansPerDegree, lon = -361530.7 / 3600 * kRadiansPerDegree;
  double a = 0, b = 0, c = 0, d = 0;
  EXPECT_EQ(copy.Shift(lat, lon, a, b), ntv2_->Shift(lat, lon, c, d));
  EXPECT_EQ(a, c);
  EXPECT_EQ(b, d);
  for (std::size_t size = 0; size < bytes.size(); ++size) EXPECT_FALSE(copy.Deserialize({data, size})) << size;
  // The first sub-grid's node count follows the sub-grid count, its names
  // ("TOP", "NONE", each after a length byte) and six doubles.
  constexpr std::size_t countAt = 4 + (1 + 3) + (1 + 4) + 6 * 8;
  for (const std::uint32_t count : {CNTv2::kMaxRecordsPerBlock + 1, 0xFFFFFFFFu, 5000u}) {
    std::string spoilt = bytes;
    for (int i = 0; i < 4; ++i) spoilt[countAt + i] = static_cast<char>(count >> (8 * i));
    EXPECT_FALSE(copy.Deserialize({reinterpret_cast<const unsigned char*>(spoilt.data()), spoilt.size()})) << count;
    EXPECT_EQ(copy.SubGrids().size(), std::size(kPlans));
  }
}

TEST_F(NTv2Fixture, LastPositionsAreWrittenOnDestruction) {
  double lat = 0, lon = 0;
  const double inLat = 181530.2 / 3600 * kRadiansPerDegree, inLon = -361530.7 / 3600 * kRadiansPerDegree;
  ASSERT_EQ(ntv2_->Shift(inLat, inLon, lat, lon), 2);
  ntv2_.reset();
  CConfigFile settings;
  ASSERT_TRUE(settings.OpenRead("NTv2"));
  const std::pair<const char*, double> expected[] = {
      {"NAD27 Latitude", inLat}, {"NAD27 Longitude", inLon}, {"NAD83 Latitude", lat}, {"NAD83 Longitude", lon}};
  std::string line;
  for (const auto& [name, value] : expected) {
    char text[80];
    std::snprintf(text, sizeof text, "%s = %.16f", name, value);
    ASSERT_TRUE(settings.ReadLine(line)) << name;
    EXPECT_EQ(line, text);
  }
  EXPECT_FALSE(settings.ReadLine(line));
}

constexpr double kToleranceDegrees = 1e-9;
constexpr double kExactRadiansPerArcSecond = std::numbers::pi / 180 / 3600;
constexpr char kGridFolder[] = "C:\\Grids\\";

using ProjPtr = std::unique_ptr<PJ, decltype(&proj_destroy)>;

struct Seconds { double lat, lon; };  // arc-seconds, longitude positive west, multiples of 0.00001″

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
    const double lat = (p.lat + kHalfTruncationStep) / 3600 * kRadiansPerDegree;
    const double lon = -(p.lon + kHalfTruncationStep) / 3600 * kRadiansPerDegree;
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
