// Notation: A = dlam·cos phi; T = tan²phi; C = e′²·cos²phi; the suffix 1
// marks values at the footpoint latitude phi1, whose meridional arc is the
// point's northing; D = dE/(k0·nu1).

#include "geodesy/projection/Cassini.h"

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/RectifyingFootpoint.h"

namespace {

// Every constant the kind needs is an origin term of the grid.
void Setup(CGridSystem&) {}

GridPoint Forward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at, bool) {
  const CSpheroid& s = *g.spheroid;
  const double A = (lam - g.lon0) * at.cosPhi, A2 = A * A;
  const double T = at.tanPhi * at.tanPhi, C = s.derived.eps * at.cosPhi * at.cosPhi;
  const double M = s.MeridionalArc(phi, at.sinPhi, at.cosPhi);
  GridPoint p;
  p.easting = g.scale * at.nu * A * (1 - T * A2 / 6 - (8 - T + 8 * C) * T * A2 * A2 / 120) + g.falseEasting;
  p.northing = g.scale * (M - g.M0 + at.nu * at.tanPhi * A2 * (0.5 + (5 - T + 6 * C) * A2 / 24)) + g.falseNorthing;
  return p;
}

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double, bool) {
  const CSpheroid& s = *g.spheroid;
  const double phi1 = RectifyingFootpoint(s, (northing - g.falseNorthing) / g.scale + g.M0);
  const LatitudeTerms at = LatitudeTermsAt(s, phi1);
  const double T = at.tanPhi * at.tanPhi;
  const double D = (easting - g.falseEasting) / (g.scale * at.nu), D2 = D * D;
  GeographicPoint r;
  r.lat = phi1 - at.nu * at.tanPhi / at.rho * D2 * (0.5 - (1 + 3 * T) * D2 / 24);
  r.lon = g.lon0 + D * (1 - T * D2 / 3 + (1 + 3 * T) * T * D2 * D2 / 15) / at.cosPhi;
  return r;
}

}  // namespace

const ProjectionOperations kCassiniSoldner{Setup, Forward, Inverse};
