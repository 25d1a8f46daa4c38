#include "geodesy/ellipsoid/Spheroid.h"

#include <gtest/gtest.h>
#include <proj.h>

#include <GeographicLib/Ellipsoid.hpp>

#include <cmath>
#include <limits>

#include "SpheroidFileWriter.h"
#include "frame/Folders.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

// Where a row's constants come from: the EPSG dataset (checked below against
// the copy PROJ ships in proj.db), or the value the module has always used
// where the registry has since changed or never held it; stored positions
// were computed with those, so they stay.
enum Source { kEpsg, kLegacy };

struct PinnedRow {
  std::int32_t code;
  const char* name;
  const char* qualifier;
  double a, invFlattening;
  Source source;
};

// All 53 rows in table order (the row number is stored in settings files).
constexpr PinnedRow kPinned[] = {
    {7001, "Airy 1830", "OSGB", 6377563.39635, 299.32497041446857, kLegacy},  // EPSG 6377563.396, 299.3249646
    {7002, "Airy (modified 1849)", "The Grid", 6377340.189, 299.3249646, kEpsg},
    {7003, "Reference 1967", "(Australian)", 6378160, 298.25, kEpsg},
    {7004, "Bessel 1841", "Original", 6377397.155, 299.1528128, kEpsg},
    {7005, "Bessel (modified)", "NGO", 6377492.0176, 299.15281981, kLegacy},  // EPSG 6377492.018, 299.1528128
    {7006, "Bessel (Namibia)", "", 6377483.865, 299.1528128, kEpsg},
    {7007, "Clarke 1858", "", 6378293.645, 294.3, kLegacy},  // EPSG 1/f 294.2607 from a and b in Clarke's feet
    {7008, "Clarke 1866 Spheroid", "", 6378206.4, 294.9786982138982, kEpsg},
    {7009, "Clarke 1866 (Michigan)", "", 6378450.047548896, 294.97869716467716, kEpsg},
    {7010, "Clarke 1880 (Benoit)", "", 6378300.789, 293.4663155389811, kEpsg},
    {7011, "Clarke 1880 (IGN)", "", 6378249.2, 293.4660212936269, kEpsg},
    {7012, "Clarke 1880 (RGS)", "", 6378249.145, 293.465, kEpsg},
    {7013, "Clarke 1880 (Arc)", "South African", 6378249.145, 293.4663077, kEpsg},
    {7014, "Clarke 1880 (SGA 1922)", "", 6378249.2, 293.46598, kEpsg},
    {7015, "Everest 1830 (1937 Adj)", "", 6377276.345, 300.8017, kEpsg},
    {7016, "Everest 1830 (1967 Def)", "(East Malaysia)", 6377298.555679764, 300.8016995962373, kLegacy},  // a from feet
    {7018, "Everest 1830 (Modified)", "(West Malaysia)", 6377304.063110002, 300.8017, kLegacy},  // a from feet
    {7019, "GRS80", "", 6378137, 298.257222101, kEpsg},
    {7020, "Helmert 1906", "", 6378200, 298.3, kEpsg},
    {7021, "National Spheroid", "Indonesian", 6378160, 298.247, kEpsg},
    {7022, "International Spheroid", "(Hayford 1910)", 6378388, 297.0, kEpsg},
    {7024, "Krassowsky 1940", "", 6378245, 298.3, kEpsg},
    {7025, "NWL 9D", "", 6378145, 298.25, kEpsg},
    {7027, "Plessis 1817", "", 6376523, 308.64, kEpsg},
    {7028, "Struve 1860", "", 6378297, 294.73, kLegacy},  // EPSG a 6378298.3
    {7029, "War Office", "", 6378300.583, 296.0, kLegacy},  // EPSG a 6378300
    {7030, "WGS 1984", "", 6378137, 298.257223563, kEpsg},
    {7031, "GEM 10C", "", 6378137, 298.257223563, kEpsg},
    {7032, "OSU86F", "Gravity Model", 6378136.2, 298.257223563, kEpsg},
    {7033, "OSU91A", "Gravity Model", 6378136.3, 298.257223563, kEpsg},
    {7034, "Clarke 1880 Spheroid", "", 6378249.2, 293.465, kLegacy},  // EPSG a and b in Clarke's feet
    {7035, "Authalic", "Sphere", 6371000, kSphere, kEpsg},
    {7036, "GRS 1967", "", 6378160, 298.247167427, kEpsg},
    {7041, "Average Terrestrial System", "1977", 6378135, 298.257, kEpsg},
    {7042, "Everest (1830 Definition)", "(India)", 6377299.370817111, 300.8016995962437, kLegacy},  // Indian foot
    {7043, "NWL 10D", "(WGS 1972)", 6378135, 298.26, kEpsg},
    {7044, "Everest (NHO)", "(India & Pakistan)", 6377301.243, 300.8017255, kEpsg},
    {7045, "Everest 1830 (1975 Def)", "India since metrication", 6377299.151, 300.8017255, kEpsg},
    {7046, "Bessel (GLM)", "Namibia", 6377397.155, 299.1528128, kLegacy},  // EPSG a in German legal metres
    {7047, "Clarke 1866 (code 7008)", "Authalic Sphere", 6370997, kSphere, kEpsg},
    {7048, "GRS 1980", "Authalic Sphere", 6371007, kSphere, kEpsg},
    {7049, "IAG 1975", "", 6378140, 298.257, kEpsg},
    {7050, "SAD 1969", "(South American)", 6378160, 298.25, kEpsg},
    {7051, "Danish Spheroid", "", 6378160, 298.25, kLegacy},  // EPSG 6377019.27, 300
    {7052, "Clarke 1866 (code 7008)", "Authalic Sphere", 6370997, kSphere, kEpsg},
    {7053, "Hough 1960", "", 6378270, 297.0, kEpsg},
    {7054, "PZ-90", "", 6378136, 298.257839303, kEpsg},
    {7055, "Clarke 1880 (International Foot)", "", 6378306.3696, 293.4663076556355, kEpsg},
    {7056, "Everest 1830 RSO 1969", "", 6377295.664, 300.8017, kEpsg},
    {7057, "International 1924", "Authalic Sphere", 6371228, kSphere, kEpsg},
    {7058, "Hughes 1980", "", 6378273, 298.279411123064, kEpsg},
    {7059, "Popular Visualisation Sphere", "", 6378137, kSphere, kEpsg},
    {1024, "CGCS2000", "China", 6378137, 298.257222101, kEpsg},
};
static_assert(std::size(kPinned) == kEllipsoidTable.size());

// a and 1/f of an EPSG ellipsoid in metres, as PROJ reads them from its
// copy of the registry (PROJ 9.1: EPSG dataset 10.076); PROJ converts the
// rows defined in feet and works out 1/f for rows defined by a and b.
struct Published {
  double a = 0, b = 0, invFlattening = 0;
};
Published FromProj(std::int32_t code) {
  Published p;
  PJ_CONTEXT* context = proj_context_create();
  PJ* ellipsoid = proj_create_from_database(context, "EPSG", std::to_string(code).c_str(), PJ_CATEGORY_ELLIPSOID,
                                            0, nullptr);
  if (ellipsoid) proj_ellipsoid_get_parameters(context, ellipsoid, &p.a, &p.b, nullptr, &p.invFlattening);
  proj_destroy(ellipsoid);
  proj_context_destroy(context);
  return p;
}

TEST(EllipsoidTable, EveryRowAsPinnedAndAsPublished) {
  for (std::uint32_t row = 0; row < kEllipsoidTable.size(); ++row) {
    const PinnedRow& pin = kPinned[row];
    SCOPED_TRACE(testing::Message() << "row " << row << " " << pin.name);
    CSpheroid s;
    ASSERT_TRUE(s.SelectSpheroid(row));
    EXPECT_EQ(s.code, pin.code);
    EXPECT_EQ(s.name, pin.name);
    EXPECT_EQ(s.qualifier, pin.qualifier);
    EXPECT_EQ(s.a, pin.a);
    EXPECT_EQ(s.invFlattening, pin.invFlattening);
    EXPECT_DOUBLE_EQ(s.b, std::isinf(pin.invFlattening) ? pin.a : pin.a * (1 - 1 / pin.invFlattening));
    if (pin.source == kLegacy) continue;
    // Published to the millimetre; 1/f to the digits given, or (from a and
    // b) to the rounding of the division.
    const Published epsg = FromProj(pin.code);
    EXPECT_NEAR(pin.a, epsg.a, 1e-3);
    if (std::isinf(pin.invFlattening))
      EXPECT_EQ(epsg.b, epsg.a);
    else
      EXPECT_NEAR(pin.invFlattening, epsg.invFlattening, 1e-9 * pin.invFlattening);
  }
  CSpheroid s;
  EXPECT_FALSE(s.SelectSpheroid(kEllipsoidTable.size()));
  EXPECT_EQ(s.row, kWgs1984Row);  // a refused row changes nothing
}

TEST(CSpheroid, SetSpheroidParametersClampsInverseFlattening) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double given, stored;
  } cases[] = {{250, 297.0}, {289.999, 297.0}, {290, 290}, {310, 310}, {310.001, 297.0}, {-298.25, 297.0},
               {nan, 297.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    CSpheroid s;
    s.SetSpheroidParameters(6378137, c.given);
    EXPECT_EQ(s.invFlattening, c.stored);
    EXPECT_EQ(s.b, (1 - 1 / c.stored) * 6378137);
  }
}

TEST(CSpheroid, DerivedConstantsOfWgs1984) {
  const CSpheroid s;
  const SpheroidConstants& k = s.derived;
  // Published WGS 1984 values (NIMA TR8350.2, table 3.3), to their digits.
  EXPECT_NEAR(k.es, 6.69437999014e-3, 1e-14);
  EXPECT_NEAR(k.eps, 6.73949674228e-3, 1e-14);
  // c by logarithms, an independent route: ln c = ((1+e)ln(1+e) + (1−e)ln(1−e))/2.
  const double lnC = ((1 + k.e) * std::log1p(k.e) + (1 - k.e) * std::log1p(-k.e)) / 2;
  EXPECT_NEAR(k.polarC, std::exp(lnC), 1e-15);
  EXPECT_NEAR(k.e1, (s.a - s.b) / (s.a + s.b), 1e-15);
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
  const struct {
    const char* name;
    const char* qualifier;
    bool found;
    std::uint32_t row;
  } cases[] = {
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
