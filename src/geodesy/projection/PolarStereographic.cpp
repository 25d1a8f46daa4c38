// Notation: t = tan(pi/4 − phi/2)·((1 + e·sin phi)/(1 − e·sin phi))^(e/2)
// about the north pole, its reciprocal about the south pole; that is
// exp(−q) and exp(q) with q the isometric latitude, the form used here.
// rho = t·(metres per unit of t), the distance from the pole; chi the
// conformal latitude, pi/2 − 2·atan t about the north pole.

#include "geodesy/projection/PolarStereographic.h"

#include <cmath>
#include <numbers>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/geodesic/GeodesicMath.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/IsometricLatitude.h"

namespace {

// Kind constants.
constexpr std::size_t kNorth = 0;        // 1 about the north pole, 0 about the south
constexpr std::size_t kRhoPerT = 1;      // metres of rho per unit of t
constexpr std::size_t kRhoOrigin = 2;    // rho of lat0, metres

bool IsNorth(const CGridSystem& g) { return g.constants[kNorth] == 1; }

double T(const CSpheroid& s, bool north, double sinPhi) {
  const double q = IsometricLatitude(s.derived.e, sinPhi);
  return std::exp(north ? -q : q);
}

void Setup(CGridSystem& g) {
  const CSpheroid& s = *g.spheroid;
  const double standardParallel = g.lat2 != 0 ? g.lat2 : g.lat1;
  const bool north = standardParallel != 0 ? standardParallel >= 0 : g.lat0 >= 0;
  if (standardParallel != 0) {
    const LatitudeTerms at = LatitudeTermsAt(s, standardParallel);
    const double mc = at.nu * at.cosPhi / s.a, tc = T(s, north, at.sinPhi);
    g.constants[kRhoPerT] = s.a * mc / tc;
    g.scale = mc * s.derived.polarC / (2 * tc);
  } else {
    g.constants[kRhoPerT] = 2 * s.a * g.scale / s.derived.polarC;
  }
  g.constants[kNorth] = north ? 1 : 0;
  g.constants[kRhoOrigin] = g.constants[kRhoPerT] * T(s, north, g.origin.sinLat0);
}

GridPoint Forward(const CGridSystem& g, double, double lam, const LatitudeTerms& at, bool) {
  const bool north = IsNorth(g);
  const double rho = g.constants[kRhoPerT] * T(*g.spheroid, north, at.sinPhi);
  const double dlam = lam - g.lon0;
  const double rhoCos = rho * std::cos(dlam);
  GridPoint p;
  p.easting = g.falseEasting + rho * std::sin(dlam);
  p.northing = north ? g.falseNorthing + g.constants[kRhoOrigin] - rhoCos
                     : g.falseNorthing - g.constants[kRhoOrigin] + rhoCos;
  return p;
}

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double, bool) {
  const bool north = IsNorth(g);
  const double dE = easting - g.falseEasting, dN = northing - g.falseNorthing;
  // rho·cos(dlam), signed towards lat0 on the central meridian.
  const double rhoCos = north ? g.constants[kRhoOrigin] - dN : dN + g.constants[kRhoOrigin];
  const double t = std::hypot(dE, rhoCos) / g.constants[kRhoPerT];
  // sin and cos of pi/2 − 2·atan t, without the angle.
  const double sinChi = (1 - t * t) / (1 + t * t), cosChi = 2 * t / (1 + t * t);
  const double chi = std::numbers::pi / 2 - 2 * std::atan(t);
  const double es = g.spheroid->derived.es;
  GeographicPoint r;
  const double phi = LatitudeFromConformal(es, chi, sinChi, cosChi);
  r.lat = north ? phi : -phi;
  r.lon = geodesic::NormalizedDifference(g.lon0 + std::atan2(dE, rhoCos));
  return r;
}

}  // namespace

const ProjectionOperations kPolarStereographic{Setup, Forward, Inverse};
