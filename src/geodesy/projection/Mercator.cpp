// Notation: q isometric latitude; C = k0·a, metres of northing per unit of
// q and of easting per radian of longitude.

#include "geodesy/projection/Mercator.h"

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/IsometricLatitude.h"

namespace {

constexpr std::size_t kC = 0;  // kind constant: C

void Setup(CGridSystem& g) {
  const CSpheroid& s = *g.spheroid;
  if (g.lat0 == 0) {
    g.constants[kC] = s.a;
    return;
  }
  g.scale = g.origin.nu0 * g.origin.cosLat0 / s.a;
  g.constants[kC] = g.scale * s.a;
}

GridPoint Forward(const CGridSystem& g, double, double lam, const LatitudeTerms& at, bool withFactors) {
  const double C = g.constants[kC];
  GridPoint p;
  p.northing = IsometricLatitude(g.spheroid->derived.e, at.sinPhi) * C + g.falseNorthing;
  p.easting = (lam - g.lon0) * C + g.falseEasting;
  if (withFactors) p.scale = C / (at.nu * at.cosPhi);
  return p;
}

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double, bool withFactors) {
  const double C = g.constants[kC];
  GeographicPoint r;
  r.settled = LatitudeFromIsometric(g.spheroid->derived.e, (northing - g.falseNorthing) / C, r.lat);
  r.lon = g.lon0 + (easting - g.falseEasting) / C;
  if (!withFactors) return r;
  const LatitudeTerms at = LatitudeTermsAt(*g.spheroid, r.lat);
  r.scale = C / (at.nu * at.cosPhi);
  return r;
}

}  // namespace

const ProjectionOperations kMercator{Setup, Forward, Inverse};
