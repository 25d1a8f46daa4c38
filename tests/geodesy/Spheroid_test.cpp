#include "geodesy/ellipsoid/Spheroid.h"

#include <gtest/gtest.h>
#include <proj.h>

#include <GeographicLib/Ellipsoid.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

#include "SpheroidFileWriter.h"
#include "frame/Folders.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

// The code of every row in table order (the row number is stored in
// settings files).
constexpr std::int32_t kCodes[] = {
    7001, 7002, 7003, 7004, 7005, 7006, 7007, 7008, 7009, 7010, 7011, 7012, 7013, 7014, 7015, 7016, 7018, 7019,
    7020, 7021, 7022, 7024, 7025, 7027, 7028, 7029, 7030, 7031, 7032, 7033, 7034, 7035, 7036, 7041, 7042, 7043,
    7044, 7045, 7046, 7047, 7048, 7049, 7050, 7051, 7052, 7053, 7054, 7055, 7056, 7057, 7058, 7059, 1024,
};
static_assert(std::size(kCodes) == kEllipsoidTable.size());

// The rows whose constants are the ones the module has always used where
// the EPSG registry has since changed or never held them: stored positions
// were computed with those, so they stay. Every other row is checked
// against the registry below.
struct LegacyRow { std::int32_t code; double a, invFlattening; };
constexpr LegacyRow kLegacy[] = {
    {7001, 6377563.39635, 299.32497041446857},        // EPSG 6377563.396, 299.3249646
    {7005, 6377492.0176, 299.15281981},               // EPSG 6377492.018, 299.1528128
    {7007, 6378293.645, 294.3},                       // EPSG 1/f 294.2607 from a and b in Clarke's feet
    {7016, 6377298.555679764, 300.8016995962373},     // a from feet
    {7018, 6377304.063110002, 300.8017},              // a from feet
    {7028, 6378297, 294.73},                          // EPSG a 6378298.3
    {7029, 6378300.583, 296.0},                       // EPSG a 6378300
    {7034, 6378249.2, 293.465},                       // EPSG a and b in Clarke's feet
    {7042, 6377299.370817111, 300.8016995962437},     // Indian foot
    {7046, 6377397.155, 299.1528128},                 // EPSG a in German legal metres
    {7051, 6378160, 298.25},                          // EPSG 6377019.27, 300
};

// a and 1/f of an EPSG ellipsoid in metres, as PROJ reads them from its
// copy of the registry (PROJ 9.1: EPSG dataset 10.076); PROJ converts the
// rows defined in feet and works out 1/f for rows defined by a and b.
struct Published { double a = 0, b = 0, invFlattening = 0; };
Published FromProj(std::int32_t code) {
  Published p;
  PJ* ellipsoid = proj_create_from_database(PJ_DEFAULT_CTX, "EPSG", std::to_string(code).c_str(),
                                            PJ_CATEGORY_ELLIPSOID, 0, nullptr);
  if (ellipsoid) proj_ellipsoid_get_parameters(PJ_DEFAULT_CTX, ellipsoid, &p.a, &p.b, nullptr, &p.invFlattening);
  proj_destroy(ellipsoid);
  return p;
}

TEST(EllipsoidTable, EveryRowAsPinnedOrAsPublished) {
  for (std::uint32_t row = 0; row < kEllipsoidTable.size(); ++row) {
    SCOPED_TRACE(testing::Message() << "row " << row << " code " << kCodes[row]);
    CSpheroid s;
    ASSERT_TRUE(s.SelectSpheroid(row));
    EXPECT_EQ(s.code, kCodes[row]);
    EXPECT_DOUBLE_EQ(s.b, std::isinf(s.invFlattening) ? s.a : s.a * (1 - 1 / s.invFlattening));
    const auto* legacy = std::find_if(std::begin(kLegacy), std::end(kLegacy), [&](auto& r) { return r.code == s.code; });
    if (legacy != std::end(kLegacy)) {
      EXPECT_EQ(s.a, legacy->a);
      EXPECT_EQ(s.invFlattening, legacy->invFlattening);
      continue;
    }
    // Published to the millimetre; 1/f to the digits given, or (from a and
    // b) to the rounding of the division.
    const Published epsg = FromProj(s.code);
    EXPECT_NEAR(s.a, epsg.a, 1e-3);
    if (std::isinf(s.invFlattening))
      EXPECT_EQ(epsg.b, epsg.a);
    else
      EXPECT_NEAR(s.invFlattening, epsg.invFlattening, 1e-9 * s.invFlattening);
  }
  CSpheroid s;
  EXPECT_FALSE(s.SelectSpheroid(kEllipsoidTable.size()));
  EXPECT_EQ(s.row, kWgs1984Row);  // a refused row changes nothing
}

TEST(CSpheroid, SetSpheroidParametersClampsInverseFlattening) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct { double given, stored; } cases[] = {
      {289.999, 297.0}, {290, 290}, {310, 310}, {310.001, 297.0}, {nan, 297.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    CSpheroid s;
    s.SetSpheroidParameters(6378137, c.given);
    EXPECT_EQ(s.invFlattening, c.stored);
    EXPECT_EQ(s.b, (1 - 1 / c.stored) * 6378137);
  }
}

TEST(CSpheroid, MeridionalArcAgreesWithExactArcAndItsFootpointInverse) {
  // The arc series stops at e⁶; the first term left out is of order e⁸·a,
  // about a centimetre, so 2 cm proves the terms kept (a wrong coefficient
  // moves the arc by metres). The footpoint series, to e1⁴, must give phi
  // back from mu = M/(a·A0) within their joint accuracy of 1e-9 rad (6 mm).
  const CSpheroid s;
  const SpheroidConstants& k = s.derived;
  const GeographicLib::Ellipsoid exact(s.a, 1 / s.invFlattening);
  for (double deg = -89; deg <= 89; deg += 4.45) {
    SCOPED_TRACE(deg);
    const double phi = deg * kRadiansPerDegree;
    EXPECT_NEAR(s.MeridionalArc(phi), exact.MeridianDistance(deg), 0.02);
    const double mu = s.MeridionalArc(phi) / k.aA0;
    EXPECT_NEAR(mu + k.fp2 * std::sin(2 * mu) + k.fp4 * std::sin(4 * mu) + k.fp6 * std::sin(6 * mu) +
                    k.fp8 * std::sin(8 * mu),
                phi, 1e-9);
  }
}

TEST(CSpheroid, FindSpheroidAmongBuiltInRows) {
  const TestMachine machine;
  const struct { const char *name, *qualifier; bool found; std::uint32_t row; } cases[] = {
      {"WGS 1984", "anything", true, 26},  // row 26 matches on its name alone
      {"Clarke 1880 (Arc)", "South African", true, 12},
      {"Clarke 1880 (Arc)", "", false, 52},  // every other row needs its qualifier too
      {"airy 1830", "OSGB", false, 52},     // case counts
      {"Clarke 1866 (code 7008)", "Authalic Sphere", true, 39},  // two rows share it: the first wins
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " / " + c.qualifier);
    CSpheroid s;
    EXPECT_EQ(s.FindSpheroid(c.name, c.qualifier), c.found);
    EXPECT_EQ(s.row, c.row);
  }
  CSpheroid own;  // without arguments: the object's own names
  own.name = "Bessel 1841";
  own.qualifier = "Original";
  EXPECT_TRUE(own.FindSpheroid());
  EXPECT_EQ(own.row, 3u);
}

class SpheroidFiles : public ::testing::Test {
 protected:
  std::string Global() const {
    std::string folder;
    EXPECT_TRUE(FindDataFolder(folder, kGlobalDataFolder));
    return folder;
  }
  TestMachine machine_;
};

TEST_F(SpheroidFiles, FindSpheroidReadsUserFilesAndATitleStandsForMissingNames) {
  machine_.Write(Global() + "Alpha.SPD", tools::SpheroidFileBytes({"Local", "Harbour", 6378000, 6356000, 300.5}));
  machine_.Write(Global() + "Beta.SPD", tools::SpheroidFileBytes({"Other", "", 6378100, 6356700, 299}, "\n"));
  machine_.Write(Global() + "Survey 1920.SPD", tools::SpheroidFileBytes({"", "", 6378200, 6356800, 298.3}));
  CSpheroid s;
  ASSERT_TRUE(s.FindSpheroid("Other", ""));
  EXPECT_EQ(s.title, "Beta");
  EXPECT_EQ(s.code, 0);
  EXPECT_EQ(s.b, 6356700);  // b as the file gives it, not derived
  EXPECT_NEAR(s.derived.es, 2.0 / 299 - 1.0 / (299.0 * 299.0), 1e-15);
  ASSERT_TRUE(s.FindSpheroid("Local", "Harbour"));
  EXPECT_EQ(s.title, "Alpha");
  ASSERT_TRUE(s.FindSpheroid("Survey 1920", ""));
  EXPECT_EQ(s.title, "Survey 1920");
  EXPECT_FALSE(s.FindSpheroid("Nowhere", ""));
}

TEST_F(SpheroidFiles, TruncatedOrMissingFilesSelectWgs1984AndHostileValuesZeroTheConstants) {
  const std::string whole = tools::SpheroidFileBytes({"Cut", "Short", 6378000, 6356000, 300});
  machine_.Write(Global() + "Cut.SPD", whole.substr(0, whole.size() - 1));
  machine_.Write(Global() + "NoLines.SPD", "no line break at all");
  for (const char* file : {"Cut.SPD", "NoLines.SPD", "Missing.SPD"}) {
    SCOPED_TRACE(file);
    CSpheroid s;
    ASSERT_TRUE(s.SelectSpheroid(0));
    EXPECT_FALSE(s.LoadSpheroidFile(Global() + file));
    EXPECT_EQ(s.row, kWgs1984Row);
    EXPECT_EQ(s.name, "WGS 1984");
  }
  machine_.Write(Global() + "Bad.SPD", tools::SpheroidFileBytes({std::string(5000, 'x'), "q", -1, 0,
                                                                 std::numeric_limits<double>::quiet_NaN()}));
  CSpheroid s;
  ASSERT_TRUE(s.LoadSpheroidFile(Global() + "Bad.SPD"));
  EXPECT_EQ(s.name.size(), 255u);  // long names are cut
  EXPECT_EQ(s.derived.es, 0);
  EXPECT_EQ(s.derived.A0, 0);
}

}  // namespace
