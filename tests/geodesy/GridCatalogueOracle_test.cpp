// Every catalogue row that carries an EPSG code against PROJ's definition
// of that projected CRS: the point at the centre of the CRS's area of use
// projected by our row and by PROJ's conversion, put on our row's ellipsoid
// (the projection step only; the datum is not this test's business), and
// our inverse of PROJ's easting and northing, as a ground distance.
//
// Bounds by projection method, from the accuracy each kind states in its
// header against the same PROJ operation: the Transverse Mercator series
// within 2.5 mm at 3° from the meridian and the area centres lie within
// 2°; the coast survey's NAD27 TM within 7.8 mm forward; the near-conformal
// conic's series 3.4 mm within 3°; Cassini's inverse series 3.4 mm; the
// closed forms (Mercator, Lambert, stereographic, Hotine) far below 1 mm.

#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <utility>

#include "ProjectionOracle.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/ProjectionKind.h"

namespace {

using projection_oracle::kExactDegreesPerRadian;

struct Bound {
  std::uint32_t kind, variant;  // kAnyVariant: every variant of the kind
  double metres;
};

constexpr Bound kBounds[] = {
    {0, kAnyVariant, 5e-3},  {1, kAnyVariant, 5e-3}, {2, kAnyVariant, 5e-3}, {3, kAnyVariant, 5e-3},
    {4, kAnyVariant, 5e-3},  {5, kAnyVariant, 1e-3}, {6, 0, 5e-3},           {6, 1, 1e-3},
    {6, 2, 1e-3},            {7, kAnyVariant, 5e-3}, {8, kAnyVariant, 1e-3}, {9, kAnyVariant, 1e-3},
    {10, kAnyVariant, 1e-3}, {11, kAnyVariant, 1e-3}, {12, 0, 5e-3},         {12, 1, 1e-3},
    {12, 2, 1e-2},           {12, 3, 1e-3},
};

double BoundOf(std::uint32_t kind, std::uint32_t variant) {
  for (const Bound& b : kBounds)
    if (b.kind == kind && (b.variant == kAnyVariant || b.variant == variant)) return b.metres;
  return 0;
}

// Rows whose values knowingly depart from EPSG's, by (kind, row). The test
// checks that they still do, so the list cannot outlive its reasons.
const std::map<std::pair<std::uint32_t, std::uint32_t>, const char*> kDeparting = {
    {{1, 14}, "lon0 -8.1319055556 is 0.002\" off Lisbon's -8 07 54.862 W"},
    {{1, 21}, "false easting 230738.266 m where EPSG has 230738.26"},
    {{7, 0}, "northings from 1 100 000 m where EPSG counts from 100 000"},
    {{11, 2}, "false origin 5 000 000 m where EPSG's 16 404 166.67 US feet are 5 000 000.001 m"},
    {{12, 63}, "Michigan North: EPSG scales Clarke 1866 by 1.0000382, the coast-survey formulas do not"},
    {{12, 64}, "Michigan Central: as Michigan North"},
    {{12, 65}, "Michigan South: as Michigan North"},
};

// PROJ cannot write the Lambert Conic Near-Conformal as a PROJ string.
const std::map<std::pair<std::uint32_t, std::uint32_t>, const char*> kNoProjOperation = {
    {{6, 3}, "Lambert Conic Near-Conformal (EPSG method 9817)"},
};

constexpr const char* kDroppedTokens[] = {"+ellps=", "+datum=", "+towgs84=", "+a=",      "+b=",     "+rf=",
                                          "+R=",     "+units=", "+no_defs",  "+type=", "+nadgrids="};

// PROJ's definition of a projected CRS with its ellipsoid, datum and units
// taken out: the conversion alone, in metres, on the ellipsoid given.
std::string ConversionOnEllipsoid(const std::string& crsText, const CSpheroid& s) {
  std::istringstream in(crsText);
  std::string token, result;
  while (in >> token) {
    bool keep = true;
    for (const char* drop : kDroppedTokens)
      if (token.rfind(drop, 0) == 0) keep = false;
    if (keep) result += token + " ";
  }
  char ellipsoid[128];
  std::snprintf(ellipsoid, sizeof ellipsoid, "+a=%.17g +b=%.17g +units=m", s.a, s.b);
  return result + ellipsoid;
}

struct EpsgCrs {
  std::string projText;
  double west = 0, south = 0, east = 0, north = 0;  // area of use, degrees
};

EpsgCrs LookUp(PJ_CONTEXT* ctx, int code) {
  EpsgCrs crs;
  PJ* pj = proj_create(ctx, ("EPSG:" + std::to_string(code)).c_str());
  if (!pj) return crs;
  if (const char* text = proj_as_proj_string(ctx, pj, PJ_PROJ_5, nullptr)) crs.projText = text;
  proj_get_area_of_use(ctx, pj, &crs.west, &crs.south, &crs.east, &crs.north, nullptr);
  proj_destroy(pj);
  return crs;
}

// The point of the area of use nearest to one 1° east of the grid's
// meridian, on its central parallel (between the standard parallels of a
// conic): a point the grid is meant for, where each kind's stated accuracy
// holds, and off the meridian so that every term counts.
std::pair<double, double> PointInArea(const CGridSystem& grid, const EpsgCrs& crs) {
  const bool twoParallels = grid.lat1 != 0 && grid.lat2 != 0;
  const double middle = twoParallels ? (grid.lat1 + grid.lat2) / 2 * kExactDegreesPerRadian : (crs.south + crs.north) / 2;
  double east = crs.east, lon = grid.lon0 * kExactDegreesPerRadian + 1;
  if (crs.west > east) {  // across the antimeridian
    east += 360;
    if (lon < crs.west) lon += 360;
  }
  return {std::clamp(middle, crs.south, crs.north), std::remainder(std::clamp(lon, crs.west, east), 360.0)};
}

struct Difference {
  double forward = 0, inverse = 0;  // metres
};

Difference Compare(const CGridSystem& grid, const projection_oracle::ProjOperation& proj, const EpsgCrs& crs) {
  const auto [lat, lon] = PointInArea(grid, crs);
  const double phi = lat / kExactDegreesPerRadian, lam = lon / kExactDegreesPerRadian;
  Difference d;
  double E = 0, N = 0, phiBack = 0, lamBack = 0;
  grid.Forward(phi, lam, &E, &N);
  const PJ_XY exact = proj.Forward(phi, lam);
  d.forward = std::hypot(E - exact.x, N - exact.y);
  grid.Inverse(exact.x, exact.y, &phiBack, &lamBack);
  d.inverse = projection_oracle::GroundDistance(*grid.spheroid, phi, phiBack - phi, lamBack - lam);
  return d;
}

// UTM is listed in both hemispheres; every other list has one variant.
std::uint32_t VariantCount(std::uint32_t kind) { return kind == 0 ? 2 : 1; }

TEST(GridCatalogueOracle, EveryRowWithAnEpsgCodeAgreesWithProj) {
  PJ_CONTEXT* ctx = proj_context_create();
  int compared = 0;
  std::map<std::pair<std::uint32_t, std::uint32_t>, Difference> worst;  // by kind and variant
  for (std::uint32_t kind = 0; kind < kCatalogueKindCount; ++kind) {
    for (std::uint32_t row = 0; row < CatalogueRowCount(kind); ++row) {
      for (std::uint32_t variant = 0; variant < VariantCount(kind); ++variant) {
        const CatalogueEntry entry = *FindCatalogueEntry(row, kind, variant);
        const ProjectionKindDef* def = FindProjectionKind(kind, entry.parameters.variant);
        const auto key = std::make_pair(kind, row);
        if (entry.epsg == 0 || !def || !def->operations || kNoProjOperation.contains(key)) continue;
        const std::string label = "kind " + std::to_string(kind) + " row " + std::to_string(row) + " variant " +
                                  std::to_string(variant) + " (" + entry.name + " " + entry.zoneName + ", EPSG:" +
                                  std::to_string(entry.epsg) + ")";
        CSpheroid ellipsoid;
        CGridSystem grid;
        ASSERT_TRUE(SelectGrid(grid, &ellipsoid, row, kind, variant)) << label;
        const EpsgCrs crs = LookUp(ctx, entry.epsg);
        ASSERT_FALSE(crs.projText.empty()) << label;
        const std::string projText = ConversionOnEllipsoid(crs.projText, ellipsoid);
        const projection_oracle::ProjOperation proj(projText);
        ASSERT_TRUE(proj.Valid()) << label << ": " << projText;
        const Difference d = Compare(grid, proj, crs);
        const double bound = BoundOf(kind, grid.variant);
        ++compared;
        if (const auto departing = kDeparting.find(key); departing != kDeparting.end()) {
          EXPECT_GT(d.forward, bound) << label << " no longer departs from EPSG: " << departing->second;
          continue;
        }
        Difference& w = worst[{kind, grid.variant}];
        w = {std::max(w.forward, d.forward), std::max(w.inverse, d.inverse)};
        EXPECT_LT(d.forward, bound) << label << " forward, against " << projText;
        EXPECT_LT(d.inverse, bound) << label << " inverse, against " << projText;
      }
    }
  }
  std::printf("%d catalogue rows compared with PROJ; the worst by kind and variant:\n", compared);
  for (const auto& [method, w] : worst)
    std::printf("  %2u/%u  forward %9.3g m  inverse %9.3g m\n", method.first, method.second, w.forward, w.inverse);
  proj_context_destroy(ctx);
}

}  // namespace
