#include "geodesy/datum/Helmert.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "DatumOracle.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "support/TestMachine.h"

namespace {

using datum_oracle::Negated;
using datum_oracle::WorstShiftError;

// Agreement asked of the whole datum shift: 0.1 mm.
constexpr double kOracleTolerance = 1e-4;

DatumShiftDef WithRates(DatumShiftDef p, double referenceEpoch, double epochOfUse) {
  p.dtX = 0.0012, p.dtY = -0.0021, p.dtZ = 0.0035, p.drX = 0.00011, p.drY = 0.00019, p.drZ = -0.00007;
  p.ds = -0.0012, p.referenceEpoch = referenceEpoch, p.epochOfUse = epochOfUse;
  p.timeDependent = 1, p.fixedEpoch = 1;
  return p;
}

struct HelmertCase { const char* what; DatumShiftDef shift; std::uint32_t fromRow, toRow; };

std::vector<HelmertCase> Cases() {
  const DatumShiftDef osgb{-446.448, 125.157, -542.06, -0.1502, -0.247, -0.8421, 20.4894, kPositionVector};
  const DatumShiftDef rd{-565.04, -49.91, -465.84, -0.4094, 0.3597, -1.8685, -4.0772, kCoordinateFrame};
  const DatumShiftDef caspian{-926.4, 715.9, 186.4, 10.364, 20.78, -26.452, 7.224, kPositionVector};
  return {
      {"ETRS89 to OSGB36, position vector", osgb, 26, 0},
      {"WGS 1984 to RD, coordinate frame", rd, 26, 3},
      {"large rotations (Caspian Sea)", caspian, 26, 21},
      {"position vector with rates", WithRates(osgb, 2010.0, 2026.5), 26, 0},
      {"coordinate frame with rates", WithRates(rd, 1989.0, 2031.25), 26, 3},
  };
}

// Geographic -> geocentric -> Helmert -> geographic on the far ellipsoid,
// against PROJ, both ways.
TEST(Helmert, DatumShiftBothWaysAgreesWithProjPipeline) {
  for (const auto& c : Cases()) {
    for (int direction : {kForward, kReverse}) {
      SCOPED_TRACE(testing::Message() << c.what << (direction == kForward ? ", forward" : ", reverse"));
      CSpheroid from, to;
      ASSERT_TRUE(from.SelectSpheroid(direction == kForward ? c.fromRow : c.toRow));
      ASSERT_TRUE(to.SelectSpheroid(direction == kForward ? c.toRow : c.fromRow));
      const auto worst = WorstShiftError(from, to, c.shift, direction == kForward ? c.shift : Negated(c.shift),
                                         direction, 2000, 8);
      std::printf("datum shift, %s, %s: worst north %.3g m, east %.3g m, up %.3g m\n", c.what,
                  direction == kForward ? "forward" : "reverse", worst.north, worst.east, worst.up);
      EXPECT_LT(worst.north, kOracleTolerance);
      EXPECT_LT(worst.east, kOracleTolerance);
      EXPECT_LT(worst.up, kOracleTolerance);
    }
  }
}

TEST(Helmert, DecimalYearCountsEveryYearAs365Days) {
  const struct { platform::fs::LocalTime when; double year; } cases[] = {
      {{2024, 1, 1, 0, 0, 0, 1, 0}, 2024.0},
      // 31 December of a leap year, noon: the 366th day reaches the next year.
      {{2024, 12, 31, 12, 0, 0, 2, 365}, 2024.0 + 365.5 / 365},
      {{2025, 3, 1, 6, 30, 36, 6, 59}, 2025.0 + (59 + 23436.0 / 86400) / 365},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_DOUBLE_EQ(DecimalYear(c.when), c.year);
  }
}

TEST(Helmert, EpochOfUseIsStoredOrToday) {
  testing_support::TestMachine machine;
  machine.SetClock(1751371200);  // 1 July 2025 12:00 UTC
  DatumShiftDef p = WithRates({1, 2, 3}, 2000.0, 2010.5);
  EXPECT_EQ(EpochOfUse(p), 2010.5);
  p.fixedEpoch = 0;
  const double today = DecimalYear(platform::fs::GetLocalTime());
  EXPECT_EQ(EpochOfUse(p), today);
  EXPECT_NEAR(today, 2025.5, 0.01);

  // Moved by its rates to today's date: tX = 1 + 0.0012·(today − 2000).
  double X = 0, Y = 0, Z = 0;
  HelmertStep(p, kForward, X, Y, Z);
  EXPECT_NEAR(X, 1 + 0.0012 * (today - 2000), 1e-12);
  // Rates are ignored without the time-dependent flag.
  p.timeDependent = 0;
  X = Y = Z = 0;
  HelmertStep(p, kForward, X, Y, Z);
  EXPECT_EQ(X, 1);
}

}  // namespace
