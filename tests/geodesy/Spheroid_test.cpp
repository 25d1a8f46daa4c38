#include "geodesy/ellipsoid/Spheroid.h"

#include <gtest/gtest.h>

#include <GeographicLib/Ellipsoid.hpp>

#include <cmath>
#include <limits>
#include <set>

#include "SpheroidFileWriter.h"
#include "frame/Folders.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

constexpr double kDegree = 0.017453292519943295;

std::string GlobalFolder() {
  std::string folder;
  EXPECT_TRUE(FindDataFolder(folder, "Global"));
  return folder;
}

TEST(EllipsoidTable, RowsAreConsistent) {
  std::set<int> codes;
  for (const EllipsoidDef& row : kEllipsoidTable) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(codes.insert(row.code).second || row.code == 7052) << "duplicate code";
    EXPECT_GT(row.a, 6370000.0);
    EXPECT_LT(row.a, 6378500.0);
    // Spheres have b = a exactly; ellipsoids are flattened by 1/310..1/290.
    if (std::isinf(row.invFlattening)) {
      EXPECT_EQ(row.SemiMinorAxis(), row.a);
    } else {
      EXPECT_GE(row.invFlattening, 290.0);
      EXPECT_LE(row.invFlattening, 310.0);
    }
  }
}

struct RowCase {
  std::uint32_t row;
  std::int32_t code;
  const char* name;
  const char* qualifier;
  double a, invFlattening, b;
};

TEST(CSpheroid, SelectSpheroidLoadsRows) {
  // b values: a·(1 − 1/(1/f)) worked out independently; exact to the metre
  // digits published for these ellipsoids.
  const RowCase cases[] = {
      {0, 7001, "Airy 1830", "OSGB", 6377563.39635, 299.32497041446857, 6356256.910},
      {12, 7013, "Clarke 1880 (Arc)", "South African", 6378249.145, 293.4663077, 6356514.966},
      {20, 7022, "International Spheroid", "(Hayford 1910)", 6378388, 297.0, 6356911.946},
      {26, 7030, "WGS 1984", "", 6378137, 298.257223563, 6356752.314},
      {31, 7035, "Authalic", "Sphere", 6371000, kSphere, 6371000},
      {52, 1024, "CGCS2000", "China", 6378137, 298.257222101, 6356752.314},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CSpheroid s;
    ASSERT_TRUE(s.SelectSpheroid(c.row));
    EXPECT_EQ(s.row, c.row);
    EXPECT_EQ(s.code, c.code);
    EXPECT_EQ(s.name, c.name);
    EXPECT_EQ(s.qualifier, c.qualifier);
    EXPECT_EQ(s.a, c.a);
    EXPECT_EQ(s.invFlattening, c.invFlattening);
    EXPECT_NEAR(s.b, c.b, 0.0005);
    EXPECT_TRUE(s.title.empty());
  }
}

TEST(CSpheroid, RowBeyondTheTableIsRefused) {
  CSpheroid s;
  ASSERT_TRUE(s.SelectSpheroid(12));
  EXPECT_FALSE(s.SelectSpheroid(53));
  EXPECT_FALSE(s.SelectSpheroid(0xFFFFFFFFu));
  EXPECT_EQ(s.row, 12u);
  EXPECT_EQ(s.name, "Clarke 1880 (Arc)");
}

TEST(CSpheroid, NewObjectIsWgs1984) {
  const CSpheroid s;
  EXPECT_EQ(s.row, 26u);
  EXPECT_EQ(s.code, 7030);
  EXPECT_EQ(s.method, 0);
}

TEST(CSpheroid, SetSpheroidParametersClampsInverseFlattening) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double given, stored;
  } cases[] = {
      {250, 297.0}, {289.999, 297.0}, {290, 290}, {298.257223563, 298.257223563},
      {310, 310},   {310.001, 297.0}, {0, 297.0}, {-298.25, 297.0},
      {nan, 297.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    CSpheroid s;
    s.SetSpheroidParameters(6378137, c.given);
    EXPECT_EQ(s.a, 6378137);
    EXPECT_EQ(s.invFlattening, c.stored);
    EXPECT_EQ(s.b, (1 - 1 / c.stored) * 6378137);
    EXPECT_GT(s.derived.es, 0);
  }
}

TEST(CSpheroid, DerivedConstantsOfWgs1984) {
  const CSpheroid s;
  const SpheroidConstants& k = s.derived;
  // Published WGS 1984 values (NIMA TR8350.2, table 3.3), to their digits.
  EXPECT_NEAR(k.es, 6.69437999014e-3, 1e-14);
  EXPECT_NEAR(k.eps, 6.73949674228e-3, 1e-14);
  EXPECT_DOUBLE_EQ(k.e * k.e, k.es);
  EXPECT_DOUBLE_EQ(k.halfE, k.e / 2);
  EXPECT_DOUBLE_EQ(k.oneMinusEs, 1 - k.es);
  EXPECT_DOUBLE_EQ(k.onePlusEps, 1 + k.eps);
  // c by logarithms, an independent route: ln c = ((1+e)ln(1+e) + (1−e)ln(1−e))/2.
  const double lnC = ((1 + k.e) * std::log1p(k.e) + (1 - k.e) * std::log1p(-k.e)) / 2;
  EXPECT_NEAR(k.polarC, std::exp(lnC), 1e-15);
  // e1 = (a − b)/(a + b) as well.
  EXPECT_NEAR(k.e1, (s.a - s.b) / (s.a + s.b), 1e-15);
  EXPECT_DOUBLE_EQ(k.aA0, s.a * k.A0);
  EXPECT_DOUBLE_EQ(k.arcSlope, k.A0 - 2 * k.A2 + 4 * k.A4 - 6 * k.A6);
}

TEST(CSpheroid, MeridionalArcAgreesWithExactArc) {
  // The series stops at e⁶; the first term left out is of order e⁸·a, about
  // a centimetre, so 2 cm is the bound that proves the terms kept are right
  // (a wrong coefficient moves the arc by metres).
  const CSpheroid s;
  const GeographicLib::Ellipsoid exact(s.a, 1 / s.invFlattening);
  for (double deg = -90; deg <= 90; deg += 7.5) {
    SCOPED_TRACE(deg);
    EXPECT_NEAR(s.MeridionalArc(deg * kDegree), exact.MeridianDistance(deg), 0.02);
  }
}

TEST(CSpheroid, FootpointSeriesInvertsTheArc) {
  // mu = M/(a·A0) and the footpoint series must give back phi; both series
  // are truncated at the fourth order of e1 and sixth of e, so 1e-9 rad
  // (6 mm) is their joint accuracy.
  const CSpheroid s;
  const SpheroidConstants& k = s.derived;
  for (double deg = -89; deg <= 89; deg += 4.5) {
    const double phi = deg * kDegree;
    const double mu = s.MeridionalArc(phi) / k.aA0;
    const double back = mu + k.fp2 * std::sin(2 * mu) + k.fp4 * std::sin(4 * mu) + k.fp6 * std::sin(6 * mu) +
                        k.fp8 * std::sin(8 * mu);
    EXPECT_NEAR(back, phi, 1e-9) << deg;
  }
}

TEST(CSpheroid, SphereAndZeroedObjectConstants) {
  CSpheroid sphere;
  ASSERT_TRUE(sphere.SelectSpheroid(31));
  const SpheroidConstants& k = sphere.derived;
  EXPECT_EQ(k.es, 0);
  EXPECT_EQ(k.e, 0);
  EXPECT_EQ(k.e1, 0);
  EXPECT_EQ(k.A0, 1);
  EXPECT_EQ(k.A2, 0);
  EXPECT_EQ(k.A4, 0);
  EXPECT_EQ(k.A6, 0);
  EXPECT_EQ(k.oneMinusEs, 1);
  EXPECT_EQ(k.polarC, 1);

  CSpheroid zeroed;
  zeroed.a = 0;
  zeroed.invFlattening = 0;
  zeroed.DeriveSpheroid();
  EXPECT_EQ(zeroed.derived.A0, 0);
  EXPECT_EQ(zeroed.derived.oneMinusEs, 0);
  EXPECT_EQ(zeroed.derived.polarC, 0);
}

struct FindCase {
  const char* name;
  const char* qualifier;
  bool found;
  std::uint32_t row;
};

TEST(CSpheroid, FindSpheroidAmongBuiltInRows) {
  const TestMachine machine;
  const FindCase cases[] = {
      // Row 26 matches on its name alone.
      {"WGS 1984", "anything", true, 26},
      {"WGS 1984", "", true, 26},
      {"Clarke 1880 (Arc)", "South African", true, 12},
      // Every other row needs its qualifier too.
      {"Clarke 1880 (Arc)", "", false, 52},
      // The comparison is case-sensitive.
      {"airy 1830", "OSGB", false, 52},
      {"Airy 1830", "OSGB", true, 0},
      // Two rows share these names; the first wins.
      {"Clarke 1866 (code 7008)", "Authalic Sphere", true, 39},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " / " + c.qualifier);
    CSpheroid s;
    EXPECT_EQ(s.FindSpheroid(c.name, c.qualifier), c.found);
    EXPECT_EQ(s.row, c.row);
  }
}

TEST(CSpheroid, FindSpheroidWithoutArgumentsSearchesOwnNames) {
  const TestMachine machine;
  CSpheroid s;
  s.name = "Bessel 1841";
  s.qualifier = "Original";
  s.a = 0;
  EXPECT_TRUE(s.FindSpheroid());
  EXPECT_EQ(s.row, 3u);
  EXPECT_EQ(s.a, 6377397.155);
}

TEST(CSpheroid, FindSpheroidReadsUserFiles) {
  const TestMachine machine;
  const std::string folder = GlobalFolder();
  machine.Write(folder + "Alpha.SPD",
                tools::SpheroidFileBytes({"Local", "Harbour", 6378000, 6356000, 300.5}));
  machine.Write(folder + "Beta.SPD", tools::SpheroidFileBytes({"Other", "", 6378100, 6356700, 299}, "\n"));
  CSpheroid s;
  ASSERT_TRUE(s.FindSpheroid("Other", ""));
  EXPECT_EQ(s.title, "Beta");
  EXPECT_EQ(s.code, 0);
  EXPECT_EQ(s.a, 6378100);
  EXPECT_EQ(s.b, 6356700);
  EXPECT_EQ(s.invFlattening, 299);
  EXPECT_NEAR(s.derived.es, 2.0 / 299 - 1.0 / (299.0 * 299.0), 1e-15);

  ASSERT_TRUE(s.FindSpheroid("Local", "Harbour"));
  EXPECT_EQ(s.title, "Alpha");
  // Without a match the last file loaded stays.
  EXPECT_FALSE(s.FindSpheroid("Nowhere", ""));
  EXPECT_EQ(s.name, "Other");
}

TEST(CSpheroid, SpheroidFileWithoutNamesTakesItsTitle) {
  const TestMachine machine;
  const std::string path = GlobalFolder() + "Survey 1920.SPD";
  machine.Write(path, tools::SpheroidFileBytes({"", "", 6378200, 6356800, 298.3}));
  CSpheroid s;
  ASSERT_TRUE(s.LoadSpheroidFile(path));
  EXPECT_EQ(s.name, "Survey 1920");
  EXPECT_EQ(s.qualifier, "");
  EXPECT_EQ(s.title, "Survey 1920");
}

TEST(CSpheroid, UnreadableSpheroidFileSelectsWgs1984) {
  const TestMachine machine;
  const std::string folder = GlobalFolder();
  const std::string whole = tools::SpheroidFileBytes({"Cut", "Short", 6378000, 6356000, 300});
  machine.Write(folder + "Cut.SPD", whole.substr(0, whole.size() - 1));
  machine.Write(folder + "NoLines.SPD", "no line break at all");
  for (const char* file : {"Cut.SPD", "NoLines.SPD", "Missing.SPD"}) {
    SCOPED_TRACE(file);
    CSpheroid s;
    ASSERT_TRUE(s.SelectSpheroid(0));
    EXPECT_FALSE(s.LoadSpheroidFile(folder + file));
    EXPECT_EQ(s.row, 26u);
    EXPECT_EQ(s.name, "WGS 1984");
  }
}

TEST(CSpheroid, HostileSpheroidValuesGiveZeroedConstants) {
  const TestMachine machine;
  const std::string path = GlobalFolder() + "Bad.SPD";
  machine.Write(path, tools::SpheroidFileBytes({std::string(5000, 'x'), "q", -1, 0,
                                                std::numeric_limits<double>::quiet_NaN()}));
  CSpheroid s;
  ASSERT_TRUE(s.LoadSpheroidFile(path));
  EXPECT_EQ(s.name.size(), 255u);  // long names are cut
  EXPECT_EQ(s.derived.es, 0);
  EXPECT_EQ(s.derived.A0, 0);
}

}  // namespace
