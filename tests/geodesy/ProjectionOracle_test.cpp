// Transverse Mercator and Mercator against PROJ (9.1) on the same
// ellipsoid and parameters: random points across each grid's area of use,
// forward and inverse, with the convergence and point scale. Prints the
// error envelope that the headers of projection/TransverseMercator.h and
// Mercator.h quote.

#include "ProjectionOracle.h"

#include "geodesy/ellipsoid/EllipsoidTable.h"

namespace {

using projection_oracle::Band;
using projection_oracle::ProjText;

struct GridParams {
  const char* label;
  unsigned kind, ellipsoidRow;
  double lat0, lon0, k0, fe, fn;  // degrees, metres
};

struct Grid : projection_oracle::OwnedGrid {
  explicit Grid(const GridParams& p) : OwnedGrid(p.kind, 0, p.ellipsoidRow, p.lat0, p.lon0, p.k0, p.fe, p.fn) {}
};

void CheckBands(const GridParams& params, const char* proj, const std::vector<Band>& bands) {
  const Grid g(params);
  projection_oracle::CheckBands(params.label, g.grid, ProjText(g.grid, proj), bands);
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
// derivatives (good to about 1e-6" and 1e-11). Our own round trip shows
// the inverse's truncation: 0.5 mm within 2°, 4.6 mm within 3°. Bounds are
// the worst seen, rounded up, at every latitude from 80° S to 84° N.
TEST(ProjectionOracle, TransverseMercatorWithinItsTruncation) {
  for (const GridParams& params : kTransverseMercatorGrids)
    CheckBands(params, "tmerc +algo=poder_engsager",
               {{"0-2 deg", -80, 84, 0, 2, {1.5e-3, 1.5e-3, 1e-5, 2e-10}, 1e-3},
                {"2-3 deg", -80, 84, 2, 3, {3e-3, 5e-3, 5e-5, 2e-9}, 5e-3},
                {"3-6 deg", -80, 84, 3, 6, {0.17, 0.3, 5e-3, 1.5e-7}}});
}

const GridParams kMercatorGrids[] = {
    {"World Mercator, WGS 1984", 5, 26, 0, 0, 1, 0, 0},
    {"Mercator true at 41 N, Bessel 1841", 5, 3, 41, 12, 1, 1000000, -2000000},
    {"Mercator true at 35 S, GRS80", 5, 17, -35, -20, 1, 0, 10000000},
};

// Both ways to nanometres: the forward is a closed form, the inverse
// Newton's method run to a step below 0.001" (then 1e-15 rad off), so the
// round trip returns within 10 nm. The
// northing near a pole is some 2e7 m, where atanh of a sine near 1 keeps
// 14 digits: 1 µm. Longitudes stay within ±155° of lon0 and ±180° absolute: the
// module does not wrap a Mercator longitude.
TEST(ProjectionOracle, MercatorToTheNanometre) {
  for (const GridParams& params : kMercatorGrids)
    CheckBands(params, "merc",
               {{"0-60 deg", -60, 60, 0, 155, {1e-7, 1e-7, 1e-9, 1e-10}, 1e-8},
                {"60-84 deg N", 60, 84, 0, 155, {1e-7, 1e-7, 1e-9, 1e-10}, 1e-8},
                {"84-89 deg S", -89, -84, 0, 155, {2e-6, 1e-7, 1e-9, 1e-10}}});
}

}  // namespace
