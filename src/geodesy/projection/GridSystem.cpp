#include "geodesy/projection/GridSystem.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/IsometricLatitude.h"
#include "geodesy/projection/ProjectionKind.h"

namespace {

constexpr double kPi = std::numbers::pi;

const ProjectionOperations* OperationsOf(const CGridSystem& grid) {
  const ProjectionKindDef* def = FindProjectionKind(grid.kind, grid.variant);
  return def ? def->operations : nullptr;
}

void Assign(double* output, double value) {
  if (output) *output = value;
}

}  // namespace

void CGridSystem::SetOrigin(double falseNorthingMetres, double k0, double lat0Radians, double lon0Radians,
                            double falseEastingMetres) {
  falseNorthing = falseNorthingMetres;
  scale = k0;
  lat0 = lat0Radians;
  lon0 = lon0Radians;
  falseEasting = falseEastingMetres;
  DeriveGrid();
}

void CGridSystem::SetOriginDegrees(double falseNorthingMetres, double k0, double lat0Degrees, double lon0Degrees,
                                   double falseEastingMetres) {
  SetOrigin(falseNorthingMetres, k0, lat0Degrees * kRadiansPerDegree, lon0Degrees * kRadiansPerDegree,
            falseEastingMetres);
}

void CGridSystem::SetStandardParallels(double lat1Degrees, double lat2Degrees) {
  if (variant != 0) {
    lat1 = lat1Degrees * kRadiansPerDegree;
    lat2 = lat2Degrees * kRadiansPerDegree;
  } else {
    lat0 = lat1Degrees * kRadiansPerDegree;
  }
  DeriveGrid();
}

void CGridSystem::SetObliqueConstants(const std::array<double, 11>& values) { SetLeadingConstants(values); }

void CGridSystem::SetObliqueConstants(const std::array<double, 6>& values) { SetLeadingConstants(values); }

void CGridSystem::SetLeadingConstants(std::span<const double> values) {
  std::copy(values.begin(), values.end(), constants.begin());
  DeriveGrid();
}

void CGridSystem::DeriveGrid() {
  origin = {};
  M0 = 0;
  if (!spheroid) return;
  const LatitudeTerms at = LatitudeTermsAt(*spheroid, lat0);
  origin.sinLat0 = at.sinPhi;
  origin.cosLat0 = at.cosPhi;
  origin.tanLat0 = at.cosPhi != 0 ? at.tanPhi : 0.0;
  origin.nu0 = at.nu;
  origin.rho0 = at.rho;
  origin.q0 = IsometricLatitude(spheroid->derived.e, origin.sinLat0);
  M0 = spheroid->MeridionalArc(lat0);
  if (const ProjectionOperations* ops = OperationsOf(*this)) ops->setup(*this);
}

bool CGridSystem::CanProject(const ProjectionOperations& ops) const {
  return spheroid && spheroid->a != 0 && scale != 0 && (!ops.accepts || ops.accepts(*this));
}

bool CGridSystem::Forward(double phi, double lam, double* easting, double* northing, double* convergence,
                          double* pointScale) const {
  if (!std::isfinite(phi) || !std::isfinite(lam)) return false;
  // The origin of geographic coordinates is answered without the series,
  // whatever the grid's own origin: the module has always done so.
  if (std::fabs(phi) < kRadiansPerMilliArcSecond && std::fabs(lam) < kRadiansPerMilliArcSecond) {
    Assign(easting, 0);
    Assign(northing, 0);
    Assign(convergence, 0);
    Assign(pointScale, scale);
    return true;
  }
  const ProjectionOperations* ops = OperationsOf(*this);
  if (!ops || !CanProject(*ops)) return false;
  const GridPoint p = ops->forward(*this, phi, lam, LatitudeTermsAt(*spheroid, phi), convergence || pointScale);
  if (!p.onGrid) return false;
  Assign(easting, p.easting);
  Assign(northing, p.northing);
  Assign(convergence, std::clamp(p.convergence, -kPi, kPi));
  Assign(pointScale, p.scale);
  return true;
}

bool CGridSystem::Inverse(double easting, double northing, double* lat, double* lon, double* convergence,
                          double* pointScale) const {
  if (!std::isfinite(easting) || !std::isfinite(northing)) return false;
  const ProjectionOperations* ops = OperationsOf(*this);
  if (!ops || !CanProject(*ops)) return false;
  const GeographicPoint p = ops->inverse(*this, easting, northing, lat ? *lat : 0.0, convergence || pointScale);
  if (!p.onGrid) return false;
  Assign(lat, std::fabs(p.lat) > kPi / 2 ? 0.0 : p.lat);
  Assign(lon, std::fabs(p.lon) > kPi ? 0.0 : p.lon);
  Assign(convergence, p.convergence);
  Assign(pointScale, p.scale);
  return p.settled;
}
