#include "geodesy/datum/NorwayRule.h"

#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <memory>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace {

// The ED87/ED50 polynomial typed again from its published form, laid out
// by powers (row i: U^i, column j: V^j) rather than in term order, and
// evaluated by nested Horner in long double: a wrong coefficient, a term
// out of order or a swapped U and V shows here.
constexpr double kA[5][5] = {
    {5.56098e-06, 4.0262e-07, 2.47592e-07, -5.68797e-08, 4.01382e-09},
    {1.55391e-06, 8.19775e-07, -1.2335e-07, 6.12216e-09, 0},
    {5.09693e-07, -1.86198e-07, 7.86953e-09, 0, 0},
    {-1.36682e-07, 7.69931e-09, 0, 0, 0},
    {2.32217e-09, 0, 0, 0, 0},
};
constexpr double kB[5][5] = {
    {-1.48944e-05, -2.4529e-06, -9.10592e-07, 1.85188e-07, -7.62236e-09},
    {-2.68191e-06, -1.5226e-06, 5.66713e-07, -4.15937e-08, 0},
    {-2.944e-07, 8.51732e-07, -5.00828e-08, 0, 0},
    {3.68241e-07, -6.84853e-08, 0, 0, 0},
    {-2.84312e-08, 0, 0, 0, 0},
};

long double Horner(const double (&c)[5][5], long double U, long double V) {
  long double sum = 0;
  for (int i = 4; i >= 0; --i) {
    long double inner = 0;
    for (int j = 4; j >= 0; --j) inner = inner * V + c[i][j];
    sum = sum * U + inner;
  }
  return sum;
}

constexpr double kDeg = kRadiansPerDegree;

// A ground distance in metres for a difference of latitude and longitude.
double Metres(double phi, double dPhi, double dLam) { return std::hypot(dPhi, dLam * std::cos(phi)) * 6.4e6; }

TEST(NorwayRule, PolynomialMatchesAnIndependentEvaluation) {
  for (double latitude = 55.0; latitude < 62.0; latitude += 0.37) {
    for (double longitude = -6.0; longitude <= 32.0; longitude += 1.9) {
      SCOPED_TRACE(testing::Message() << latitude << " " << longitude);
      const double phi = latitude * kDeg, lam = longitude * kDeg;
      const long double U = phi * kDegreesPerRadian - 55.0L, V = lam * kDegreesPerRadian;
      for (int d : {1, -1}) {
        double dPhi, dLam;
        NorwayPolynomialShift(phi, lam, d, dPhi, dLam);
        // Shifts are a few 1e-7 rad; the two sums round differently in
        // their last bits only.
        EXPECT_NEAR(dPhi, d * static_cast<double>(Horner(kA, U, V)) * kDeg, 1e-18);
        EXPECT_NEAR(dLam, d * static_cast<double>(Horner(kB, U, V)) * kDeg, 1e-18);
        double p = phi, l = lam;
        ApplyNorwayRule(p, l, 0, d);
        EXPECT_EQ(p, phi + dPhi);
        EXPECT_EQ(l, lam + dLam);
      }
    }
  }
}

// North of 65° the rule is a position-vector Helmert step on the
// International ellipsoid; PROJ runs the same step from its published
// parameters, to 1 mm (both use the small-angle form).
TEST(NorwayRule, NorthOf65IsTheHelmertStepAgreeingWithProj) {
  CSpheroid intl;
  intl.SelectSpheroid(kInternationalRow);
  const std::string text =
      "+proj=pipeline +step +proj=cart +a=6378388 +rf=297 +step +proj=helmert +x=1.51 +y=0.84 +z=3.5 "
      "+rx=0.3904592782258739 +ry=0.14170392189179892 +rz=0.5701159244671503 +s=-0.609 "
      "+convention=position_vector +step +inv +proj=cart +a=6378388 +rf=297";
  const std::unique_ptr<PJ, decltype(&proj_destroy)> proj(proj_create(PJ_DEFAULT_CTX, text.c_str()), proj_destroy);
  ASSERT_NE(proj, nullptr);
  for (double latitude : {65.0001, 66.0, 70.5, 78.2, 89.0}) {
    for (double longitude : {-10.0, 5.0, 15.5, 31.0}) {
      SCOPED_TRACE(testing::Message() << latitude << " " << longitude);
      const double phi0 = latitude * kDeg, lam0 = longitude * kDeg, h = 120;
      const PJ_COORD expected = proj_trans(proj.get(), PJ_FWD, proj_coord(lam0, phi0, h, 0));
      double phi = phi0, lam = lam0;
      ApplyNorwayRule(phi, lam, h, 1);
      EXPECT_LT(Metres(phi, phi - expected.lpz.phi, lam - expected.lpz.lam), 1e-3);
      EXPECT_GT(Metres(phi, phi - phi0, lam - lam0), 1.0);
    }
  }
}

struct Shift {
  double phi, lam;
};

// What the rule gives at latitude phi and longitude lam, as a shift.
Shift RuleShift(double phi, double lam) {
  double p = phi, l = lam;
  ApplyNorwayRule(p, l, 50, 1);
  return {p - phi, l - lam};
}

double Apart(double phi, Shift a, Shift b) { return Metres(phi, a.phi - b.phi, a.lam - b.lam); }

// The blend reaches each neighbouring zone's shift at its edge (so there is
// no step to the next representable latitude outside), and is linear in
// the latitude between the edges.
TEST(NorwayRule, BlendIsContinuousAtBothEdgesAndLinearBetween) {
  for (double longitude : {-4.0, 5.0, 12.5, 30.0}) {
    SCOPED_TRACE(longitude);
    const double lam = longitude * kDeg;
    const Shift south = RuleShift(kNorwaySouthEdge, lam), north = RuleShift(kNorwayNorthEdge, lam);
    EXPECT_LT(Apart(kNorwaySouthEdge, south, RuleShift(std::nextafter(kNorwaySouthEdge, 0.0), lam)), 1e-6);
    EXPECT_LT(Apart(kNorwayNorthEdge, north, RuleShift(std::nextafter(kNorwayNorthEdge, 2.0), lam)), 1e-6);
    // The two zones disagree by decimetres at least, so a blend that ignores
    // one of them cannot pass.
    EXPECT_GT(Apart(kNorwaySouthEdge, south, north), 0.1);
    for (double w : {0.25, 0.5, 0.9}) {
      const Shift linear{(1 - w) * south.phi + w * north.phi, (1 - w) * south.lam + w * north.lam};
      EXPECT_LT(Apart(1.1, RuleShift(kNorwaySouthEdge + w * kNorwayBlendWidth, lam), linear), 1e-6) << w;
    }
  }
}

// The reverse direction undoes the forward one, to within the change of the
// shift over its own length. Points along the Norwegian coast, where the
// polynomial is meant to serve: far from it the shift grows to hundreds of
// metres and its own slope spoils the round trip.
TEST(NorwayRule, DirectionSignTurnsTheShiftAround) {
  const struct { double latitude, longitude; } places[] = {
      {58.0, 7.0}, {59.9, 10.7}, {61.9, 5.0}, {62.0, 6.5}, {63.4, 10.4}, {65.0, 12.0}, {68.0, 15.0}, {70.7, 25.8},
  };
  for (const auto& [latitude, longitude] : places) {
    SCOPED_TRACE(testing::Message() << latitude << " " << longitude);
    const double phi0 = latitude * kDeg, lam0 = longitude * kDeg;
    double phi = phi0, lam = lam0;
    ApplyNorwayRule(phi, lam, 50, 1);
    const double shift = Metres(phi0, phi - phi0, lam - lam0);
    ApplyNorwayRule(phi, lam, 50, -1);
    const double back = Metres(phi0, phi - phi0, lam - lam0);
    std::printf("Norway rule at %.1f %.1f: shift %.3f m, forward then back %.2g m\n", latitude, longitude, shift, back);
    EXPECT_GT(shift, 0.3);
    EXPECT_LT(back, 1e-3);
  }
}

TEST(NorwayRule, SouthAndNorthRowsSwitchAt62) {
  const double justSouth = std::nextafter(kNorwaySouthEdge, 0.0);
  const struct { std::uint32_t row; double phi; std::uint32_t expected; } cases[] = {
      {1, justSouth, 1}, {1, kNorwaySouthEdge, 2}, {1, 70 * kDeg, 2},
      {2, 58 * kDeg, 1}, {2, justSouth, 1},        {2, kNorwaySouthEdge, 2},
      // Row 0 runs the rule itself; other numbers are not Norway rows.
      {0, 58 * kDeg, 0}, {0, 70 * kDeg, 0},        {3, 58 * kDeg, 3},
  };
  for (const auto& c : cases) EXPECT_EQ(NorwayRowAt(c.row, c.phi), c.expected) << c.row << " " << c.phi;
}

}  // namespace
