// Transverse Mercator and Mercator against PROJ (9.1) on the same
// ellipsoid and parameters: random points across each grid's area of use,
// forward and inverse, with the convergence and point scale. Prints the
// error envelope that the headers of projection/TransverseMercator.h and
// Mercator.h quote.

#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"

namespace {

// PROJ reads degrees with the exact factor and ours uses 0.017453292519943
// (2e-14 relative off): lat0 and lon0 are handed over as our radians in
// exact degrees, and points as radians, so both see the same angles.
constexpr double kExactDegreesPerRadian = 180 / std::numbers::pi;

struct GridParams {
  const char* label;
  unsigned kind, ellipsoidRow;
  double lat0, lon0, k0, fe, fn;  // degrees, metres
};

class ProjOperation {
 public:
  ProjOperation(const CGridSystem& g, const char* proj) {
    const CSpheroid& s = *g.spheroid;
    char text[512];
    std::snprintf(text, sizeof text, "+proj=%s +a=%.17g +b=%.17g +lat_0=%.17g +lon_0=%.17g +k_0=%.17g +x_0=%.17g +y_0=%.17g",
                  proj, s.a, s.b, g.lat0 * kExactDegreesPerRadian, g.lon0 * kExactDegreesPerRadian, g.scale,
                  g.falseEasting, g.falseNorthing);
    op_ = proj_create(context_, text);
  }
  ~ProjOperation() {
    proj_destroy(op_);
    proj_context_destroy(context_);
  }
  bool Valid() const { return op_ != nullptr; }
  PJ_XY Forward(double phi, double lam) const { return proj_trans(op_, PJ_FWD, proj_coord(lam, phi, 0, 0)).xy; }
  PJ_LP Inverse(double e, double n) const { return proj_trans(op_, PJ_INV, proj_coord(e, n, 0, 0)).lp; }
  PJ_FACTORS Factors(double phi, double lam) const { return proj_factors(op_, proj_coord(lam, phi, 0, 0)); }

 private:
  PJ_CONTEXT* context_ = proj_context_create();
  PJ* op_ = nullptr;
};

struct Grid {
  CSpheroid spheroid;
  CGridSystem grid;
  explicit Grid(const GridParams& p) {
    spheroid.SelectSpheroid(p.ellipsoidRow);
    grid.kind = p.kind;
    grid.spheroid = &spheroid;
    grid.SetOriginDegrees(p.fn, p.k0, p.lat0, p.lon0, p.fe);
  }
};

// The largest of each error over a band of points.
struct Envelope {
  double forward = 0, inverse = 0;  // metres
  double convergence = 0;           // arc-seconds
  double scale = 0;                 // relative
};

double ArcSeconds(double radians) { return std::fabs(radians) * kDegreesPerRadian * 3600; }

// Points with latitudes uniform in [latLo, latHi] and longitude offsets from
// lon0 uniform in ±[dlamLo, dlamHi] degrees.
struct Band {
  const char* label;
  double latLo, latHi, dlamLo, dlamHi;
  Envelope bound;
};

constexpr int kPointsPerBand = 4000;

Envelope Measure(const Grid& g, const ProjOperation& proj, const Band& band, unsigned seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> lat(band.latLo, band.latHi), dlam(band.dlamLo, band.dlamHi);
  std::bernoulli_distribution west(0.5);
  Envelope e;
  for (int i = 0; i < kPointsPerBand; ++i) {
    const double phi = lat(rng) * kRadiansPerDegree;
    const double lam = g.grid.lon0 + (west(rng) ? -1 : 1) * dlam(rng) * kRadiansPerDegree;
    double E = 0, N = 0, gamma = 0, k = 0;
    g.grid.Forward(phi, lam, &E, &N, &gamma, &k);
    const PJ_XY exact = proj.Forward(phi, lam);
    e.forward = std::max(e.forward, std::hypot(E - exact.x, N - exact.y));
    // Ours inverted from PROJ's exact easting and northing, as a ground
    // distance from the point.
    double phiBack = 0, lamBack = 0, gammaBack = 0, kBack = 0;
    g.grid.Inverse(exact.x, exact.y, &phiBack, &lamBack, &gammaBack, &kBack);
    const double nu = g.spheroid.a / std::sqrt(1 - g.spheroid.derived.es * std::pow(std::sin(phi), 2));
    e.inverse = std::max(e.inverse, std::hypot((phiBack - phi) * nu, std::remainder(lamBack - lam, 2 * std::numbers::pi) * nu * std::cos(phi)));
    const PJ_FACTORS f = proj.Factors(phi, lam);
    e.convergence = std::max({e.convergence, ArcSeconds(gamma - f.meridian_convergence),
                              ArcSeconds(gammaBack - f.meridian_convergence)});
    e.scale = std::max({e.scale, std::fabs(k / f.parallel_scale - 1), std::fabs(kBack / f.parallel_scale - 1)});
  }
  return e;
}

void CheckBands(const GridParams& params, const char* proj, const std::vector<Band>& bands) {
  const Grid g(params);
  const ProjOperation op(g.grid, proj);
  ASSERT_TRUE(op.Valid()) << params.label;
  std::printf("%s against PROJ %s, %d points per band\n", params.label, proj, kPointsPerBand);
  std::printf("%-12s %14s %14s %14s %14s\n", "band", "forward (m)", "inverse (m)", "converg. (\")", "scale (rel)");
  unsigned seed = 7;
  for (const Band& band : bands) {
    const Envelope e = Measure(g, op, band, ++seed);
    std::printf("%-12s %14.3g %14.3g %14.3g %14.3g\n", band.label, e.forward, e.inverse, e.convergence, e.scale);
    EXPECT_LT(e.forward, band.bound.forward) << params.label << " " << band.label;
    EXPECT_LT(e.inverse, band.bound.inverse) << params.label << " " << band.label;
    EXPECT_LT(e.convergence, band.bound.convergence) << params.label << " " << band.label;
    EXPECT_LT(e.scale, band.bound.scale) << params.label << " " << band.label;
  }
}

const GridParams kTransverseMercatorGrids[] = {
    {"UTM 31N, WGS 1984 (kind 0)", 0, 26, 0, 3, 0.9996, 500000, 0},
    {"UTM 56S, International (kind 1)", 1, 20, 0, 153, 0.9996, 500000, 10000000},
    {"British National Grid, Airy 1830 (kind 2)", 2, 0, 49, -2, 0.9996012717, 400000, -100000},
    {"Gauss-Kruger 3 deg, Krassowsky (kind 4)", 4, 21, 0, 27, 1, 9500000, 0},
    {"State plane TM, Clarke 1866 (kind 12/0)", 12, 7, 31, -81, 0.9999411765, 200000, 0},
};

// PROJ's default tmerc is the exact Poder/Engsager series (to nanometres
// within 3900 km of the central meridian), so the differences are our
// truncation. Forward, that is the published truncation error of the series
// (1 mm within 2°, 2.5 mm at 3°, 0.17 m at 6° of longitude), plus up to
// 0.35 mm from the meridional arc's e⁶ series when the origin lies far from
// the point (49° N to 80° S). The inverse series stop one order sooner:
// 4.5 mm at 3°, 0.29 m at 6°. Convergence and scale are PROJ's numerical
// derivatives (good to about 1e-6" and 1e-11). Bounds are the worst seen,
// rounded up, at every latitude from 80° S to 84° N.
TEST(ProjectionOracle, TransverseMercatorWithinItsTruncation) {
  for (const GridParams& params : kTransverseMercatorGrids)
    CheckBands(params, "tmerc +algo=poder_engsager",
               {{"0-2 deg", -80, 84, 0, 2, {1.5e-3, 1.5e-3, 1e-5, 2e-10}},
                {"2-3 deg", -80, 84, 2, 3, {3e-3, 5e-3, 5e-5, 2e-9}},
                {"3-6 deg", -80, 84, 3, 6, {0.17, 0.3, 5e-3, 1.5e-7}}});
}

const GridParams kMercatorGrids[] = {
    {"World Mercator, WGS 1984", 5, 26, 0, 0, 1, 0, 0},
    {"Mercator true at 41 N, Bessel 1841", 5, 3, 41, 12, 1, 1000000, -2000000},
    {"Mercator true at 35 S, GRS80", 5, 17, -35, -20, 1, 0, 10000000},
};

// Both ways to nanometres: the forward is a closed form, the inverse
// Newton's method run to a step below 0.001" (then 1e-15 rad off). The
// northing near a pole is some 2e7 m, where atanh of a sine near 1 keeps
// 14 digits: 1 µm. Longitudes stay within ±155° of lon0 and ±180° absolute: the
// module does not wrap a Mercator longitude.
TEST(ProjectionOracle, MercatorToTheNanometre) {
  for (const GridParams& params : kMercatorGrids)
    CheckBands(params, "merc",
               {{"0-60 deg", -60, 60, 0, 155, {1e-7, 1e-7, 1e-9, 1e-10}},
                {"60-84 deg N", 60, 84, 0, 155, {1e-7, 1e-7, 1e-9, 1e-10}},
                {"84-89 deg S", -89, -84, 0, 155, {2e-6, 1e-7, 1e-9, 1e-10}}});
}

}  // namespace
