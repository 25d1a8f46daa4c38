// Notation: omega = lam − lon0 within (−pi, pi]; t = tan phi; psi = nu/rho;
// K = omega²·cos²phi/3; primes mark values at the footpoint latitude phi′,
// the latitude whose meridional arc is the point's northing; x = E/(k0·nu′).

#include "geodesy/projection/TransverseMercator.h"

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/geodesic/GeodesicMath.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/ProjectionLimits.h"

namespace {

void Setup(CGridSystem&) {}  // the common origin terms are all it needs

GridPoint Forward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at) {
  const double omega = geodesic::NormalizedDifference(lam - g.lon0);
  const double t2 = at.tanPhi * at.tanPhi, t4 = t2 * t2;
  const double psi = at.nu / at.rho, psi2 = psi * psi, psi3 = psi2 * psi, psi4 = psi2 * psi2;
  const double K = omega * omega * at.cosPhi * at.cosPhi / 3, K2 = K * K;
  const double M = g.spheroid->MeridionalArc(phi);
  GridPoint p;
  p.northing = (M - g.M0 + at.nu * omega * omega * at.sinPhi * at.cosPhi *
                               (0.5 + K * (4 * psi2 + psi - t2) / 8)) *
                   g.scale +
               g.falseNorthing;
  p.easting = (1 + K * (psi - t2) / 2 +
               3 * K2 / 40 * (4 * psi3 * (1 - 6 * t2) + psi2 * (1 + 8 * t2) - 2 * psi * t2 + t4)) *
                  at.nu * omega * at.cosPhi * g.scale +
              g.falseEasting;
  p.convergence = omega * at.sinPhi *
                  (1 + K * (2 * psi2 - psi) +
                   0.6 * K2 * ((11 - 24 * t2) * psi4 - (11 - 36 * t2) * psi3 + 2 * psi2 * (1 - 7 * t2) + psi * t2));
  p.scale = g.scale * (1 + 1.5 * K * psi + 0.375 * K2 * (4 * psi3 * (1 - 6 * t2) + psi2 * (1 + 24 * t2) - 4 * psi * t2));
  return p;
}

// The latitude whose meridional arc is m, by phi <- phi·m/M(phi): the step
// contracts by about e²/2 at every latitude, so a handful of steps settle.
bool FootpointLatitude(const CSpheroid& s, double m, double start, double& phi) {
  // The equator is the footpoint of m = 0, where the step would reach 0/0.
  if (m == 0) {
    phi = 0;
    return true;
  }
  phi = start != 0 && std::isfinite(start) ? start : 1.0;
  for (int step = 0; step < kMaxProjectionIterations; ++step) {
    const double next = phi * m / s.MeridionalArc(phi);
    const double change = std::fabs(next - phi);
    phi = next;
    if (change <= kProjectionTolerance) return true;
  }
  phi = 0;
  return false;
}

// dE, dN: the position from the false origin, metres.
GeographicPoint InverseFromFalseOrigin(const CGridSystem& g, double dE, double dN, double startLat) {
  const CSpheroid& s = *g.spheroid;
  GeographicPoint r;
  double phi1 = 0;
  r.settled = FootpointLatitude(s, dN / g.scale + g.M0, startLat, phi1);
  const LatitudeTerms at = LatitudeTermsAt(s, phi1);
  const double t = at.tanPhi, t2 = t * t, t4 = t2 * t2;
  const double psi = at.nu / at.rho, psi2 = psi * psi, psi3 = psi2 * psi, psi4 = psi2 * psi2;
  const double x = dE / (g.scale * at.nu), x2 = x * x, x4 = x2 * x2;
  r.lat = phi1 - psi * t * x2 / 2 * (1 - x2 / 12 * (9 * psi * (1 - t2) - 4 * psi2 + 12 * t2));
  r.lon = geodesic::NormalizedDifference(
      g.lon0 + x / at.cosPhi *
                   (1 - x2 / 6 * (2 * t2 + psi) +
                    x4 / 120 * ((9 - 68 * t2 - 4 * psi * (1 - 6 * t2)) * psi2 + 24 * t2 * (3 * psi + t2))));
  // The x³ term is Redfearn's −2psi² + 3psi + t²: on a sphere it gives
  // atan(t·tanh x), the exact convergence, to x³.
  r.convergence = x * t *
                  (1 - x2 / 3 * (-2 * psi2 + 3 * psi + t2) +
                   x4 / 15 *
                       ((11 - 24 * t2) * psi4 - 3 * (8 - 23 * t2) * psi3 + 5 * (3 - 14 * t2) * psi2 + 30 * psi * t2 +
                        3 * t4));
  r.scale = g.scale * (1 + x2 * psi / 2 + x4 * psi2 / 24 * (4 * psi * (1 - 6 * t2) - 3 * (1 - 16 * t2) - 24 * t2 / psi));
  return r;
}

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double startLat) {
  return InverseFromFalseOrigin(g, easting - g.falseEasting, northing - g.falseNorthing, startLat);
}

// The south-orientated grids in use (southern Africa) have no false origin;
// with one, the sign change of the whole easting and northing forward and of
// the offsets from the false origin inverse do not undo each other.
GridPoint SouthForward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at) {
  GridPoint p = Forward(g, phi, lam, at);
  p.easting = -p.easting;
  p.northing = -p.northing;
  return p;
}

GeographicPoint SouthInverse(const CGridSystem& g, double easting, double northing, double startLat) {
  return InverseFromFalseOrigin(g, -(easting - g.falseEasting), -(northing - g.falseNorthing), startLat);
}

}  // namespace

const ProjectionOperations kTransverseMercator{Setup, Forward, Inverse};
const ProjectionOperations kSouthOrientatedTransverseMercator{Setup, SouthForward, SouthInverse};
