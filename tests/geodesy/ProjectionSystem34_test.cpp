// Kind 14, the Danish System 34: the published check points both ways, our
// evaluation of the published polynomials against PROJ's horner, the
// convergence and point scale against the grid's own forward, and round
// trips. Rows past the tables: GridSystem_test.cpp.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "ProjectionOracle.h"
#include "System34ProjText.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/projection/DanishSystem34.h"

namespace {

using projection_oracle::ProjOperation;

constexpr unsigned kInternational = 20;

// One region: its row, two published pairs of matching positions (each
// set's origin and constant term, Borre 1993, Tables 5.2, 5.3, 5.5, 5.6),
// and the UTM box the agency's own library accepts for it (trlib's
// tcts_u.c, T32JN/T32SN limits), metres.
struct Region {
  const char* label;
  unsigned row;
  tagXY utmA, system34A;  // the forward set's origin
  tagXY utmB, system34B;  // the inverse set's origin
  double nLo, nHi, eLo, eHi;
  // Our Redfearn Transverse Mercator series at the box's edge from 9° E
  // bound the whole grid: against PROJ's exact UTM forward and inverse,
  // and forward then inverse.
  double forwardBound, inverseBound, roundTripBound;  // metres
};

const Region kRegions[] = {
    {"Sjælland", 0, {678000, 6131000}, {119353.22229, 96432.190004}, {595335.3482, 6232935.6122}, {200000, 200000},
     6000000, 6315000, 550000, 775000, 0.01, 0.07, 0.08},
    {"Jylland", 1, {530000, 6231000}, {265381.72775, 199371.14647}, {595335.58288, 6232935.0512}, {200000, 200000},
     6000000, 6500000, 440000, 700000, 0.003, 0.015, 0.015},
};

// The grid the catalogue makes of a row: UTM zone 32 on the International
// ellipsoid.
struct System34Grid : projection_oracle::OwnedGrid {
  explicit System34Grid(unsigned row) : OwnedGrid(14, 0, kInternational, 0, 9, 0.9996, 500000, 0) {
    grid.row = row;
    grid.DeriveGrid();
  }
};

// The exact UTM zone 32, to carry positions between the UTM plane and
// latitude and longitude without our series' own error.
const ProjOperation& Utm32() {
  static const ProjOperation op("+proj=utm +zone=32 +ellps=intl");
  return op;
}

double Apart(tagXY a, tagXY b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The published pairs agree with each other within 1.01 mm (Sjælland's
// inverse origin lies 118 km from its forward one): 1.5 mm. Through the
// whole grid our Transverse Mercator series adds up to 2.5 mm this far
// (178 km) from 9° E: 4 mm.
TEST(ProjectionSystem34, PublishedCheckPointsBothWays) {
  for (const Region& r : kRegions) {
    const System34RegionDef& tables = kSystem34Regions[r.row];
    const System34Grid g(r.row);
    for (const auto& [utm, system34] : {std::pair{r.utmA, r.system34A}, std::pair{r.utmB, r.system34B}}) {
      EXPECT_LT(Apart(UtmToSystem34(tables, utm), system34), 1.5e-3) << r.label << " " << utm.x;
      EXPECT_LT(Apart(System34ToUtm(tables, system34), utm), 1.5e-3) << r.label << " " << system34.x;

      const PJ_LP at = Utm32().Inverse(utm.x, utm.y);
      tagXY projected;
      ASSERT_TRUE(g.grid.Forward(at.phi, at.lam, &projected.x, &projected.y)) << r.label;
      EXPECT_LT(Apart(projected, system34), 4e-3) << r.label << " " << utm.x;
      double lat = 0, lon = 0;
      ASSERT_TRUE(g.grid.Inverse(system34.x, system34.y, &lat, &lon)) << r.label;
      const PJ_XY back = Utm32().Forward(lat, lon);
      EXPECT_LT(Apart({back.x, back.y}, utm), 4e-3) << r.label << " " << system34.x;
    }
  }
}

// Random positions over each region, on the UTM plane and as latitude and
// longitude.
template <typename Visit>
void ForPositionsIn(const Region& r, int count, Visit visit) {
  std::mt19937_64 rng(r.row + 3);
  std::uniform_real_distribution<double> north(r.nLo, r.nHi), east(r.eLo, r.eHi);
  for (int i = 0; i < count; ++i) {
    const tagXY utm{east(rng), north(rng)};
    const PJ_LP at = Utm32().Inverse(utm.x, utm.y);
    visit(utm, at.phi, at.lam);
  }
}

// How far our inverse of a grid position lands from (phi, lam), on the
// ground.
double InverseMiss(const System34Grid& g, tagXY p, double phi, double lam) {
  double phiBack = 0, lamBack = 0;
  EXPECT_TRUE(g.grid.Inverse(p.x, p.y, &phiBack, &lamBack));
  return projection_oracle::GroundDistance(g.spheroid, phi, phiBack - phi, lamBack - lam);
}

// PROJ's horner on the same numbers each way, then the whole grid against
// PROJ's exact UTM followed by that horner. Both follow Horner's rule term
// by term and agree to the last bit here; another order of the same sums
// would differ by rounding, far below the bound of 1e-6 m. All the rest of
// the whole grid's difference is our Transverse Mercator series. Over the
// boxes, which reach 275 km (4.3°) from 9° E in Sjælland and 200 km in
// Jylland: forward 6.6 mm and 1.9 mm, inverse 4.7 cm and 7.8 mm (its series
// stop one order sooner). Our forward then inverse: 5.3 cm and 9.6 mm, that
// lag and the published sets' own (7.8 mm and 1.4 mm).
TEST(ProjectionSystem34, PolynomialsAndWholeGridAgainstProj) {
  for (const Region& r : kRegions) {
    const System34RegionDef& tables = kSystem34Regions[r.row];
    const System34Grid g(r.row);
    // Planar both ways: Forward(phi, lam) hands PROJ (lam, phi), here (E, N).
    const ProjOperation horner(System34HornerText(tables));
    const ProjOperation pipeline("+proj=pipeline +step +proj=utm +zone=32 +ellps=intl +step " +
                                 System34HornerText(tables));
    ASSERT_TRUE(horner.Valid() && pipeline.Valid()) << System34HornerText(tables);
    double polynomial = 0, forward = 0, inverse = 0, roundTrip = 0;
    ForPositionsIn(r, 4000, [&](tagXY utm, double phi, double lam) {
      const tagXY system34 = UtmToSystem34(tables, utm);
      const PJ_XY theirs = horner.Forward(utm.y, utm.x);
      const PJ_LP theirsBack = horner.Inverse(-system34.x, system34.y);
      polynomial = std::max({polynomial, Apart(system34, {-theirs.x, theirs.y}),
                             Apart(System34ToUtm(tables, system34), {theirsBack.lam, theirsBack.phi})});
      tagXY ours;
      ASSERT_TRUE(g.grid.Forward(phi, lam, &ours.x, &ours.y));
      const PJ_XY exact = pipeline.Forward(phi, lam);
      forward = std::max(forward, Apart(ours, {-exact.x, exact.y}));
      inverse = std::max(inverse, InverseMiss(g, {-exact.x, exact.y}, phi, lam));
      roundTrip = std::max(roundTrip, InverseMiss(g, ours, phi, lam));
    });
    std::printf("%s against PROJ: horner %.3g m; utm + horner: forward %.3g m, inverse %.3g m; round trip %.3g m\n",
                r.label, polynomial, forward, inverse, roundTrip);
    EXPECT_LT(polynomial, 1e-6) << r.label;
    EXPECT_LT(forward, r.forwardBound) << r.label;
    EXPECT_LT(inverse, r.inverseBound) << r.label;
    EXPECT_LT(roundTrip, r.roundTripBound) << r.label;
  }
}

// The convergence and point scale against central differences of the
// grid's own forward over 0.6 m due north: grid north lies atan2(dx, dy)
// clockwise of true north, x counting westward. The differences are good to
// 1e-9; the Transverse Mercator factors' series to 3e-5" and 2e-9 within
// 3°: bounds 0.001" and 1e-8.
TEST(ProjectionSystem34, ConvergenceAndScaleFollowTheForward) {
  constexpr double h = 1e-7;  // radians
  for (const Region& r : kRegions) {
    const System34Grid g(r.row);
    const CSpheroid& s = g.spheroid;
    double convergence = 0, scale = 0;
    ForPositionsIn(r, 200, [&](tagXY, double phi, double lam) {
      double gamma = 0, k = 0, e = 0, n = 0, eN = 0, nN = 0, eS = 0, nS = 0, eE = 0, nE = 0, eW = 0, nW = 0;
      g.grid.Forward(phi, lam, &e, &n, &gamma, &k);
      g.grid.Forward(phi + h, lam, &eN, &nN);
      g.grid.Forward(phi - h, lam, &eS, &nS);
      g.grid.Forward(phi, lam + h, &eE, &nE);
      g.grid.Forward(phi, lam - h, &eW, &nW);
      const double gammaSeen = std::atan2(eN - eS, nN - nS);
      const double kSeen = std::hypot(eE - eW, nE - nW) / projection_oracle::GroundDistance(s, phi, 0, 2 * h);
      convergence = std::max(convergence, projection_oracle::ArcSeconds(gamma - gammaSeen));
      scale = std::max(scale, std::fabs(k / kSeen - 1));
    });
    std::printf("%s: convergence within %.3g\", point scale within %.3g\n", r.label, convergence, scale);
    EXPECT_LT(convergence, 1e-3) << r.label;
    EXPECT_LT(scale, 1e-8) << r.label;
  }
}

}  // namespace
