#include "geodesy/datum/DatumFamilies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "DatumOracle.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "support/TestMachine.h"

namespace {

using datum_oracle::WorstShiftError;

// Both sides evaluate the same small-angle step; what is left is the
// latitude iteration, which stops within a fraction of a millimetre.
constexpr double kRowTolerance = 1e-3;

// Every Helmert row a user can pick, as selected (names, both ellipsoids,
// parameters and convention), against PROJ with that row's ellipsoids.
TEST(DatumTables, EveryHelmertRowAgreesWithProj) {
  const testing_support::TestMachine machine;
  double worstOverall = 0;
  for (int family : {1, 3, 6}) {
    for (std::uint32_t row = 0; row < DatumFamilyRowCount(family); ++row) {
      CSpheroid from, to;
      DatumTransformation t;
      ASSERT_TRUE(SelectDatumTransformation(family, row, from, to, t));
      SCOPED_TRACE(testing::Message() << "family " << family << " row " << row << " (" << t.from << " to " << t.to
                                      << ", " << t.area << ")");
      const auto worst = WorstShiftError(from, to, t.shift, t.shift, kForward, 300, 1000 * family + row);
      EXPECT_LT(worst.north, kRowTolerance);
      EXPECT_LT(worst.east, kRowTolerance);
      EXPECT_LT(worst.up, kRowTolerance);
      worstOverall = std::max({worstOverall, worst.north, worst.east, worst.up});
    }
  }
  std::printf("datum rows of families 1, 3 and 6 against PROJ: worst %.3g m\n", worstOverall);
}

TEST(DatumTables, SelectingARowFillsNamesAndEllipsoidsOrRefuses) {
  const testing_support::TestMachine machine;  // no user files
  const struct {
    int family;
    std::uint32_t row;
    bool ok;
    const char *from = "", *to = "", *area = "";
    std::uint32_t nearRow = 0, farRow = 0;
  } cases[] = {
      {-1, 0, true, "WGS 1984", "", "Geographicals Only", 26, 26},
      {3, 0, true, "WGS 1984", "E.D. 50", "Statens Kartwerk", 26, 20},
      {4, 5, true, "HPGN", "NAD27", "", 17, 7},
      {6, 7, true, "MHAST (MALONGO 1987", "CAMAXUPA VUMBA TUMBA", "Cabinda", 20, 12},
      // Refused: past the end of each family, outside −1..9, and a user
      // family with no files listed.
      {-1, 1, false}, {0, 1, false}, {1, 58, false}, {2, 1, false}, {3, 3, false}, {4, 6, false},
      {5, 1, false}, {6, 8, false}, {7, 0, false}, {8, 0, false}, {9, 0, false}, {-2, 0, false},
      {10, 0, false}, {1, 0xFFFFFFFF, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "family " << c.family << " row " << c.row);
    CSpheroid from, to;
    from.SelectSpheroid(3);
    to.SelectSpheroid(4);
    DatumTransformation t;
    t.area = "untouched";
    ASSERT_EQ(SelectDatumTransformation(c.family, c.row, from, to, t), c.ok);
    if (!c.ok) {
      EXPECT_EQ(t.area, "untouched");
      EXPECT_EQ(from.row, 3u);
      EXPECT_EQ(to.row, 4u);
      continue;
    }
    EXPECT_EQ(t.from, c.from);
    EXPECT_EQ(t.to, c.to);
    EXPECT_EQ(t.area, c.area);
    EXPECT_EQ(from.row, c.nearRow);
    EXPECT_EQ(to.row, c.farRow);
  }
}

// Grid to grid stays on the user's own ellipsoid, whatever it is: a table
// row or one of the user's files (code 0).
TEST(DatumTables, GridToGridCopiesTheNearEllipsoid) {
  CSpheroid fromTable, fromFile;
  fromTable.SelectSpheroid(0);
  fromFile.name = "Harbour 1900";
  fromFile.qualifier = "Local";
  fromFile.SetSpheroidParameters(6378000, 299.5);
  fromFile.code = 0;
  for (CSpheroid* near : {&fromTable, &fromFile}) {
    SCOPED_TRACE(near->name);
    CSpheroid far;
    far.SelectSpheroid(kInternationalRow);
    DatumTransformation t;
    t.shift.tX = 5;
    ASSERT_TRUE(SelectDatumTransformation(0, 0, *near, far, t));
    EXPECT_EQ(far.a, near->a);
    EXPECT_EQ(far.derived.es, near->derived.es);
    EXPECT_EQ(far.code, near->code);
    EXPECT_EQ(far.name, near->name);
    EXPECT_EQ(far.qualifier, near->qualifier);
    EXPECT_EQ(t.from, near->name);
    EXPECT_EQ(t.to, near->name);
    EXPECT_EQ(t.area, "Grid To Grid");
    EXPECT_EQ(t.shift.tX, 0);  // no shift left over from a previous row
  }
}

}  // namespace
