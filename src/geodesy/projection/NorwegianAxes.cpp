// Notation: E, N the UTM easting and northing; Y, X the NGO axis's easting
// and northing; u, v reduced coordinates (see NorwegianAxesTable.h);
// gamma the convergence, k the point scale.

#include "geodesy/projection/NorwegianAxes.h"

#include <array>
#include <cmath>
#include <limits>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/TransverseMercator.h"

namespace {

constexpr std::array<const char*, kNorwegianAxisCount> kAxisNames = {
    "NGO (Axis I)", "NGO (Axis II)", "NGO (Axis III)", "NGO (Axis IV)",
    "NGO (Axis V)", "NGO (Axis VI)", "NGO (Axis VII)", "NGO (Axis VIII)"};

// The regions of zones 31 and 32: columns of UTM easting, each cut by
// northings into regions numbered from its first. The rule's axis,
// (region + 4)/4, counts from 1: in zone 32 near 61° N the easting 400000
// lies at 7.2° E, halfway between the meridians of Axis I (6°03′ E) and
// Axis II (8°23′ E), and 530001 at 9.55° E, halfway between Axis II and
// Axis III (10°43′ E), so regions 1 to 3 are Axis I (index 0), 4 to 7
// Axis II and 8 to 11 Axis III. The thresholds were drawn for zone 32: in
// zone 31 all of Norway lies east of 530001 and so falls to Axis III.
struct RegionColumnDef {
  double eastingBelow;
  int firstRegion;
  int cuts;
  std::array<double, 4> northingBelow;
};

constexpr std::array<RegionColumnDef, 3> kRegionColumns = {{
    {400000.0, 1, 2, {6640000.9, 6770001.6}},
    {530001.0, 4, 4, {6530000.7, 6640000.6, 6730001.0, 6930001.1}},
    {std::numeric_limits<double>::infinity(), 9, 3, {6730000.1, 6900001.0, 7060001.6}},
}};

constexpr int kKeptAxisRegion = 12;  // the region that keeps the variant's axis
constexpr int kFirstRuledZone = 33;  // zones from here on always keep it
constexpr double kSouthernOrigin = 6430000;
constexpr double kNorthernOrigin = 7200000;

int RegionOf(double easting, double northing) {
  for (const RegionColumnDef& column : kRegionColumns) {
    if (!(easting < column.eastingBelow)) continue;
    int region = column.firstRegion;
    for (int i = 0; i < column.cuts && !(northing < column.northingBelow[i]); ++i) ++region;
    return region;
  }
  return kKeptAxisRegion;  // a NaN easting; no table covers it
}

// The grid's kind constants after the Transverse Mercator's own.
constexpr std::size_t kZoneConstant = kTransverseMercatorConstantCount;

constexpr double kInternationalA = 6378388;
constexpr double kInternationalInverseFlattening = 297;
constexpr double kUtmScale = 0.9996;
constexpr double kUtmFalseEasting = 500000;
constexpr double kFirstUtmZone = 1, kLastUtmZone = 60;
constexpr double kOriginTolerance = 1e-9;  // radians, far below one catalogue digit

// The zone whose UTM grid this is, or 0 when the grid differs from the one
// the tables were fitted on (they would give wrong numbers, not rough ones).
int FittedZoneOf(const CGridSystem& g) {
  const CSpheroid& s = *g.spheroid;
  const double zone = std::round((g.lon0 / kRadiansPerDegree + 183) / 6);
  if (!(zone >= kFirstUtmZone && zone <= kLastUtmZone)) return 0;  // NaN too; keeps the cast below defined
  const bool utm = s.a == kInternationalA && s.invFlattening == kInternationalInverseFlattening &&
                   g.scale == kUtmScale && g.falseEasting == kUtmFalseEasting && g.falseNorthing == 0 &&
                   g.lat0 == 0 && std::fabs(g.lon0 - (6 * zone - 183) * kRadiansPerDegree) < kOriginTolerance;
  return utm && g.variant < kNorwegianAxisCount ? static_cast<int>(zone) : 0;
}

void Setup(CGridSystem& g) {
  kTransverseMercator.setup(g);
  g.constants[kZoneConstant] = FittedZoneOf(g);
  if (const char* name = NorwegianAxisName(static_cast<int>(g.variant))) g.zoneName = name;
}

int ZoneOf(const CGridSystem& g) { return static_cast<int>(g.constants[kZoneConstant]); }

bool IsFittedGrid(const CGridSystem& g) { return ZoneOf(g) != 0; }

const NorwegianZoneAreaDef* ZoneArea(int zone) {
  for (const NorwegianZoneAreaDef& area : kNorwegianZoneAreas)
    if (area.zone == zone) return &area;
  return nullptr;
}

const NorwegianAxisFitDef* FindFit(int zone, int axis, double originNorthing) {
  for (const NorwegianAxisFitDef& fit : kNorwegianAxisFits)
    if (fit.zone == zone && fit.axis == axis && fit.originNorthing == originNorthing) return &fit;
  return nullptr;
}

struct AxisPoint {
  PolynomialValue y, x;
};

AxisPoint ToAxis(const NorwegianAxisFitDef& fit, double easting, double northing) {
  const double u = (easting - kNorwegianAxisEasting) / kNorwegianAxisUnit;
  const double v = (northing - fit.originNorthing) / kNorwegianAxisUnit;
  return {EvaluateTriangle(fit.ngoY, kNorwegianAxisDegree, u, v),
          EvaluateTriangle(fit.ngoX, kNorwegianAxisDegree, u, v)};
}

// The conversion turns UTM's grid north by atan2(dY/dN, dX/dN) and scales
// lengths by √det of its Jacobian (both grids are conformal, so the
// Jacobian is a rotation and a scale but for the datum shift's millionths).
void ConvertFactors(const AxisPoint& p, double& convergence, double& scale) {
  convergence -= std::atan2(p.y.dv, p.x.dv);
  scale *= std::sqrt(std::fabs(p.y.du * p.x.dv - p.y.dv * p.x.du)) / kNorwegianAxisUnit;
}

GridPoint Forward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at, bool withFactors) {
  GridPoint utm = kTransverseMercator.forward(g, phi, lam, at, withFactors);
  const NorwegianAxisFitDef* fit = NorwegianAxisFitAt(ZoneOf(g), static_cast<int>(g.variant), utm.easting,
                                                      utm.northing);
  if (!fit) return GridPoint{.onGrid = false};
  const AxisPoint p = ToAxis(*fit, utm.easting, utm.northing);
  utm.easting = p.y.value;
  utm.northing = p.x.value;
  if (withFactors) ConvertFactors(p, utm.convergence, utm.scale);
  return utm;
}

bool Covers(const NorwegianAxisFitDef& fit, double y, double x) {
  return y >= fit.yMin && y <= fit.yMax && x >= fit.xMin && x <= fit.xMax;
}

// The NGO numbers alone do not say which axis they are in: in zones 31 and
// 32 the forward may have used Axis I, II or III as well as the variant's.
// Each conversion the zone has is tried, the variant's axis first, and the
// first whose UTM position the forward rule sends back to that same
// conversion is kept; so the answer always projects forward to the given
// numbers, and where two axes both could (the same numbers on two axes are
// two places some 130 km apart) the variant's axis wins.
GeographicPoint TryFit(const CGridSystem& g, const NorwegianAxisFitDef& fit, double y, double x, double startLat,
                       bool withFactors) {
  if (!Covers(fit, y, x)) return GeographicPoint{.onGrid = false};
  const double u = y / kNorwegianAxisUnit;
  const double v = (x - (fit.originNorthing - kSouthernOrigin)) / kNorwegianAxisUnit;
  const double easting = EvaluateTriangle(fit.utmE, kNorwegianAxisDegree, u, v).value;
  const double northing = EvaluateTriangle(fit.utmN, kNorwegianAxisDegree, u, v).value;
  if (NorwegianAxisFitAt(fit.zone, static_cast<int>(g.variant), easting, northing) != &fit)
    return GeographicPoint{.onGrid = false};
  GeographicPoint r = kTransverseMercator.inverse(g, easting, northing, startLat, withFactors);
  if (withFactors) ConvertFactors(ToAxis(fit, easting, northing), r.convergence, r.scale);
  return r;
}

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double startLat, bool withFactors) {
  const int zone = ZoneOf(g);
  for (const bool variantAxis : {true, false})
    for (const NorwegianAxisFitDef& fit : kNorwegianAxisFits) {
      if (fit.zone != zone || (fit.axis == static_cast<int>(g.variant)) != variantAxis) continue;
      const GeographicPoint r = TryFit(g, fit, easting, northing, startLat, withFactors);
      if (r.onGrid) return r;
    }
  return GeographicPoint{.onGrid = false};
}

}  // namespace

NorwegianAxisChoice ChooseNorwegianAxis(int zone, int variantAxis, double easting, double northing) {
  if (zone >= kFirstRuledZone) return {variantAxis, kNorthernOrigin};
  const int region = RegionOf(easting, northing);
  if (region == kKeptAxisRegion) return {variantAxis, kNorthernOrigin};
  return {(region + 4) / 4 - 1, kSouthernOrigin};
}

const char* NorwegianAxisName(int axis) {
  return axis >= 0 && axis < kNorwegianAxisCount ? kAxisNames[static_cast<std::size_t>(axis)] : nullptr;
}

const NorwegianAxisFitDef* NorwegianAxisFitAt(int zone, int variantAxis, double easting, double northing) {
  const NorwegianZoneAreaDef* area = ZoneArea(zone);
  if (!area || !(easting >= area->eastingMin && easting <= area->eastingMax && northing >= area->northingMin &&
                 northing <= area->northingMax))
    return nullptr;
  const NorwegianAxisChoice choice = ChooseNorwegianAxis(zone, variantAxis, easting, northing);
  return FindFit(zone, choice.axis, choice.originNorthing);
}

int NorwegianAxisAt(const CGridSystem& grid, double phi, double lam) {
  if (!grid.spheroid || grid.kind != 13) return -1;
  const GridPoint utm = kTransverseMercator.forward(grid, phi, lam, LatitudeTermsAt(*grid.spheroid, phi), false);
  const NorwegianAxisFitDef* fit =
      NorwegianAxisFitAt(ZoneOf(grid), static_cast<int>(grid.variant), utm.easting, utm.northing);
  return fit ? fit->axis : -1;
}

const ProjectionOperations kNorwegianAxes{Setup, Forward, Inverse, IsFittedGrid};
