// Notation: x = dlam·nu·cos phi, the easting from the false origin.

#include "geodesy/projection/Guam.h"

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/ProjectionLimits.h"
#include "geodesy/projection/RectifyingFootpoint.h"

namespace {

void Setup(CGridSystem&) {}

GridPoint Forward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at, bool) {
  const double x = (lam - g.lon0) * at.nu * at.cosPhi;
  GridPoint p;
  p.easting = x + g.falseEasting;
  p.northing = g.spheroid->MeridionalArc(phi, at.sinPhi, at.cosPhi) - g.M0 + g.falseNorthing +
               x * x * at.tanPhi / (2 * at.nu);
  return p;
}

// The northing less its offset term is the meridional arc of the point, and
// the offset depends on the latitude only through tan phi/nu: each step
// moves the latitude by (x/R)²/2 of the previous step's change (3e-5 at
// 50 km from the meridian), so two or three steps settle.
GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double, bool) {
  const CSpheroid& s = *g.spheroid;
  const double x = easting - g.falseEasting, arc = northing - g.falseNorthing + g.M0;
  GeographicPoint r;
  double phi = RectifyingFootpoint(s, arc);
  for (int step = 0; step < kMaxProjectionIterations; ++step) {
    const LatitudeTerms at = LatitudeTermsAt(s, phi);
    const double next = RectifyingFootpoint(s, arc - x * x * at.tanPhi / (2 * at.nu));
    const double change = next - phi;
    phi = next;
    if (std::fabs(change) <= kProjectionTolerance) {
      r.lat = phi;
      const LatitudeTerms at = LatitudeTermsAt(s, phi);
      r.lon = g.lon0 + x / (at.nu * at.cosPhi);
      return r;
    }
  }
  r.settled = false;
  return r;
}

}  // namespace

const ProjectionOperations kFirstOrderCassini{Setup, Forward, Inverse};
