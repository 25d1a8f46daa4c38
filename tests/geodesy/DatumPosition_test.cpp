// The datum object's position conversions, both directions, against PROJ.
//
// Helmert rows (families 1, 3 and 6): PROJ runs cart on our near ellipsoid,
// helmert with the row's parameters, inverse cart on our far ellipsoid and
// its own utm; back, from the far side's X, Y, Z, helmert with the
// parameters negated (the reverse the object documents) and inverse cart.
// Tolerance 1 mm for geographic and geocentric values (the same formulas;
// our latitude iteration settles within a fraction of a millimetre) plus
// 5 mm for the Transverse Mercator series, the bound the grid catalogue's
// oracle holds it to.
//
// NADCON rows: PROJ's hgridshift on the same grids copied into NTv2 files
// at build time; 1e-9 degrees for a forward shift (both interpolate the
// same float nodes) and 1e-8 where either side iterates an inverse (ten
// times the inverse's own stopping step).
//
// Canadian NTv2: hgridshift on the same file; CNTv2 truncates its input to
// 0.00001″ (3e-9 degrees) and the inverse stops within 1e-10 radians
// (6e-9 degrees), so 1e-8 degrees (1 mm).

#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "DatumHolder.h"
#include "DatumOracle.h"
#include "ProjectionOracle.h"
#include "frame/Folders.h"
#include "geodesy/datum/LocalHelmertTable.h"
#include "geodesy/datum/WgsHelmertTable.h"
#include "geodesy/shift/NadconShift.h"

namespace {

using datum_holder::Holder;
using datum_oracle::Negated;
using datum_oracle::ProjEllipsoid;
using datum_oracle::ProjHelmert;
using datum_oracle::ProjPipeline;
using datum_oracle::ProjUtm;
using datum_oracle::UtmZoneOf;

constexpr double kMillimetre = 1e-3;
constexpr double kTransverseMercatorMetres = 5e-3;
constexpr double kForwardShiftDegrees = 1e-9;
constexpr double kInverseShiftDegrees = 1e-8;
constexpr double kNtv2Degrees = 1e-8;
constexpr std::uint32_t kUtmKind = 0, kUtmSouth = 1;
constexpr double kHeight = 75;  // metres, carried through every conversion

PositionDef At(const CSpheroid& ellipsoid, double latDegrees, double lonDegrees) {
  PositionDef p;
  FillPosition(p, proj_torad(latDegrees), proj_torad(lonDegrees), kHeight, ellipsoid, nullptr);
  return p;
}

double GroundDistance(const CSpheroid& s, const PositionDef& p, const PJ_COORD& expected) {
  return projection_oracle::GroundDistance(s, p.lat, expected.lpz.phi - p.lat, expected.lpz.lam - p.lon);
}

double GeocentricDistance(const PositionDef& p, const PJ_COORD& expected) {
  return std::hypot(p.X - expected.xyz.x, p.Y - expected.xyz.y, p.Z - expected.xyz.z);
}

struct HelmertCase {
  int family;
  std::uint32_t row;
  double lat, lon;        // degrees, in the row's area
  DatumShiftDef applies;  // the parameters the point calls for
};

const HelmertCase kHelmertCases[] = {
    {1, 0, 52, 5, kWgsHelmertRows[0].Shift()},
    {1, 5, 53, -2, kWgsHelmertRows[5].Shift()},
    {1, 11, 52, 5.5, kWgsHelmertRows[11].Shift()},  // coordinate frame
    {1, 14, 42, 51, kWgsHelmertRows[14].Shift()},   // rotations of tens of seconds
    {1, 33, -41, 174, kWgsHelmertRows[33].Shift()},
    {6, 0, 52, 5, kLocalHelmertRows[0].Shift()},
    // The two Norway rows give way to each other at 62°.
    {3, 1, 61, 7, kWgsHelmertRows[kNorwaySouth62Row].Shift()},
    {3, 1, 63, 10, kWgsHelmertRows[kNorwayNorth62Row].Shift()},
    {3, 2, 61, 7, kWgsHelmertRows[kNorwaySouth62Row].Shift()},
    {3, 2, 63, 10, kWgsHelmertRows[kNorwayNorth62Row].Shift()},
};

TEST(DatumPosition, HelmertRowsAgreeWithProjBothWays) {
  for (const HelmertCase& c : kHelmertCases) {
    SCOPED_TRACE("family " + std::to_string(c.family) + " row " + std::to_string(c.row) + " at " +
                 std::to_string(c.lat));
    Holder holder;
    CDatum& datum = *holder.datum;
    const std::uint32_t zone = UtmZoneOf(c.lon);
    const bool south = c.lat < 0;
    ASSERT_TRUE(holder.Select(zone, kUtmKind, south ? kUtmSouth : 0, c.family, c.row));
    const std::string near = ProjEllipsoid(datum.nearEllipsoid), far = ProjEllipsoid(holder.far);
    const std::string shift = "+proj=pipeline +step +proj=cart " + near + " +step " + ProjHelmert(c.applies);
    const ProjPipeline toGeocentric(shift), toGeographic(shift + " +step +inv +proj=cart " + far),
        toGrid(ProjUtm(zone, south, holder.far));
    const ProjPipeline back("+proj=pipeline +step " + ProjHelmert(Negated(c.applies)) + " +step +inv +proj=cart " +
                            near);
    ASSERT_TRUE(toGeocentric.Valid() && toGeographic.Valid() && toGrid.Valid() && back.Valid());

    PositionDef from = At(datum.nearEllipsoid, c.lat, c.lon), to;
    to.lat = from.lat;
    ASSERT_TRUE(datum.ConvertPosition(from, to, 1));
    const PJ_COORD geographic = toGeographic.Run3(from.lon, from.lat, kHeight);
    const tagXY grid = toGrid.Run(geographic.lpz.lam, geographic.lpz.phi);
    EXPECT_LT(GroundDistance(holder.far, to, geographic), kMillimetre);
    EXPECT_NEAR(to.height, geographic.lpz.z, kMillimetre);
    EXPECT_LT(GeocentricDistance(to, toGeocentric.Run3(from.lon, from.lat, kHeight)), kMillimetre);
    EXPECT_LT(std::hypot(to.easting - grid.x, to.northing - grid.y), kMillimetre + kTransverseMercatorMetres);
    EXPECT_NEAR(to.pointScale, 0.9996, 1e-3);

    PositionDef returned;
    returned.lat = to.lat;
    ASSERT_TRUE(datum.ConvertPosition(returned, to, -1));
    const PJ_COORD expected = back.Run3(to.X, to.Y, to.Z);
    EXPECT_LT(GroundDistance(datum.nearEllipsoid, returned, expected), kMillimetre);
    EXPECT_NEAR(returned.height, expected.lpz.z, kMillimetre);
  }
}

class DatumNadcon : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::is_directory(kGridsNtv2)) << kGridsNtv2 << " is missing: build nadcon_ntv2_grids";
    std::string folder;
    ASSERT_TRUE(FindDataFolder(folder, nadcon::kDataFolder));
    holder_.machine.Mount(folder, OVERLAYS_SOURCE_DIR "/data/grids/nadcon");
  }

  static std::string HgridShift(const char* title, bool inverse) {
    return std::string(" +step") + (inverse ? " +inv" : "") + " +proj=hgridshift +grids=" + kGridsNtv2 + "/" + title +
           ".gsb";
  }

  static constexpr const char* kGridsNtv2 = OVERLAYS_BINARY_DIR "/data/nadcon-ntv2";
  Holder holder_;
};

constexpr char kConus[] = "  (Conterminous U S (lower 48 states))";
constexpr char kFlorida[] = "  (Florida)";

TEST_F(DatumNadcon, EveryRowAgreesWithHgridshiftAndNamesItsRegion) {
  struct Case {
    std::uint32_t row;
    int direction;
    double lat, lon;                // degrees, on the side the conversion reads
    std::vector<const char*> grids;  // PROJ's steps in order
    bool inverse;                   // PROJ runs them backwards
    const char* area;
  } const cases[] = {
      {0, 1, 40, -100, {"conus"}, false, kConus},
      {1, 1, 40, -100, {"conus"}, true, kConus},
      {0, -1, 40, -100, {"conus"}, true, kConus},
      {2, 1, 28, -81.5, {"flhpgn"}, false, kFlorida},
      {3, 1, 28, -81.5, {"flhpgn"}, true, kFlorida},
      {4, 1, 28, -81.5, {"conus", "flhpgn"}, false, kFlorida},
      {5, 1, 28, -81.5, {"flhpgn", "conus"}, true, kConus},
      {4, -1, 28, -81.5, {"flhpgn", "conus"}, true, kConus},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("row " + std::to_string(c.row) + " direction " + std::to_string(c.direction));
    CDatum& datum = *holder_.datum;
    ASSERT_TRUE(holder_.Select(0, kUtmKind, 0, 4, c.row));
    std::string pipeline = "+proj=pipeline";
    for (const char* title : c.grids) pipeline += HgridShift(title, c.inverse);
    const ProjPipeline proj(pipeline);
    ASSERT_TRUE(proj.Valid()) << pipeline;

    PositionDef from, to;
    PositionDef& source = c.direction > 0 ? from : to;
    const PositionDef& target = c.direction > 0 ? to : from;
    source = At(datum.nearEllipsoid, c.lat, c.lon);
    ASSERT_TRUE(datum.ConvertPosition(from, to, c.direction));
    const tagXY expected = proj.Run(source.lon, source.lat);
    const double tolerance = c.inverse ? kInverseShiftDegrees : kForwardShiftDegrees;
    EXPECT_NEAR(proj_todeg(target.lat), proj_todeg(expected.y), tolerance);
    EXPECT_NEAR(proj_todeg(target.lon), proj_todeg(expected.x), tolerance);
    EXPECT_EQ(target.height, kHeight);
    EXPECT_EQ(datum.transformation.area, c.area);
  }
}

// A point no grid covers leaves the target as it was; a second step that
// finds no grid keeps the first region's name.
TEST_F(DatumNadcon, PointsOutsideTheGridsAreRefusedAndSaySo) {
  struct Case {
    std::uint32_t row;
    double lat, lon;
    std::string area;
  } const cases[] = {
      {0, 50, 10, "(Out Of Limits)"},
      {2, 40, -100, "(Out Of Limits)"},
      {4, 38.5, -98, std::string(kConus) + " (Out Of Limits)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("row " + std::to_string(c.row));
    CDatum& datum = *holder_.datum;
    ASSERT_TRUE(holder_.Select(0, kUtmKind, 0, 4, c.row));
    PositionDef from = At(datum.nearEllipsoid, c.lat, c.lon), to;
    to.northing = 123;
    EXPECT_FALSE(datum.ConvertPosition(from, to, 1));
    EXPECT_EQ(to.northing, 123);
    EXPECT_EQ(datum.transformation.area, c.area);
  }
}

TEST(DatumPosition, CanadianGridAgreesWithHgridshiftBothWays) {
  constexpr char kGridFolder[] = "C:\\Grids\\", kFile[] = "CRD27_00.GSB";
  const std::filesystem::path grids = std::filesystem::path(OVERLAYS_SOURCE_DIR) / "data/grids/ntv2";
  Holder holder;
  holder.machine.Mount(kGridFolder, grids);
  CDatum& datum = *holder.datum;
  ASSERT_TRUE(datum.ntv2.LoadFile(std::string(kGridFolder) + kFile));
  ASSERT_TRUE(holder.Select(0, kUtmKind, 0, 5, 0));
  const DataSetDef& g = datum.ntv2.SubGrids().front();
  const double lat = (g.sLat + g.nLat) / 2 / 3600, lon = -(g.eLong + g.wLong) / 2 / 3600;
  const std::string grid = " +proj=hgridshift +grids=" + (grids / kFile).string();
  // The row runs NAD83 to NAD27, against the grid.
  struct Case {
    int direction;
    const char* pipeline;
  } const cases[] = {{1, "+proj=pipeline +step +inv"}, {-1, "+proj=pipeline +step"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.direction);
    const ProjPipeline proj(c.pipeline + grid);
    ASSERT_TRUE(proj.Valid());
    PositionDef from, to;
    PositionDef& source = c.direction > 0 ? from : to;
    const PositionDef& target = c.direction > 0 ? to : from;
    source = At(datum.nearEllipsoid, lat, lon);
    ASSERT_TRUE(datum.ConvertPosition(from, to, c.direction));
    const tagXY expected = proj.Run(source.lon, source.lat);
    EXPECT_NEAR(proj_todeg(target.lat), proj_todeg(expected.y), kNtv2Degrees);
    EXPECT_NEAR(proj_todeg(target.lon), proj_todeg(expected.x), kNtv2Degrees);
  }
}

// The grid shift and the rule have no peer here: forward then back must
// return to the start, the forward grid position must be the one
// LatLonToGrid gives (OSTN15, against its own oracle elsewhere), and the
// shift must be of the size the datums differ by. The Norway rule's reverse
// is evaluated at the shifted point, so it returns only to a few
// millimetres.
TEST(DatumPosition, OstnAndNorwayRuleRoundTrip) {
  struct Case {
    int family;
    double lat, lon;
    double minShift, maxShift;  // metres on the ground
    double roundTrip;           // metres
  } const cases[] = {
      {2, 52.5, -1.5, 50, 150, kMillimetre},
      {3, 60, 5, 50, 250, 5 * kMillimetre},
      {3, 63.5, 10, 50, 250, 5 * kMillimetre},
      {3, 67, 14, 50, 250, 5 * kMillimetre},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("family " + std::to_string(c.family) + " at " + std::to_string(c.lat));
    Holder holder(c.family == 2);
    CDatum& datum = *holder.datum;
    ASSERT_TRUE(holder.Select(UtmZoneOf(c.lon), kUtmKind, 0, c.family, 0));
    PositionDef from = At(datum.nearEllipsoid, c.lat, c.lon), to, back;
    ASSERT_TRUE(datum.ConvertPosition(from, to, 1));
    const double shift = std::hypot(to.lat - from.lat, (to.lon - from.lon) * std::cos(from.lat)) * holder.far.a;
    EXPECT_GT(shift, c.minShift);
    EXPECT_LT(shift, c.maxShift);
    if (c.family == 2) {
      const tagXY grid = datum.LatLonToGrid({from.lon, from.lat});
      EXPECT_LT(std::hypot(to.easting - grid.x, to.northing - grid.y), kMillimetre);
    }
    back.lat = to.lat;
    ASSERT_TRUE(datum.ConvertPosition(back, to, -1));
    EXPECT_LT(std::hypot(back.lat - from.lat, (back.lon - from.lon) * std::cos(from.lat)) * holder.far.a, c.roundTrip);
    EXPECT_NEAR(back.height, kHeight, c.roundTrip);
  }
}

TEST(DatumPosition, FamiliesWithoutAConversionRefuse) {
  for (int family : {-1, 0}) {
    Holder holder;
    holder.Select(31, kUtmKind, 0, family, 0);
    PositionDef from = At(holder.datum->nearEllipsoid, 52, 4), to;
    EXPECT_FALSE(holder.datum->ConvertPosition(from, to, 1)) << family;
    EXPECT_FALSE(holder.datum->ConvertPosition(from, to, -1)) << family;
  }
}

}  // namespace
