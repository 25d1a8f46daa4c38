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

// The footpoint iteration's start when the caller has no latitude to offer.
constexpr double kDefaultStart = 1.0;
constexpr std::size_t kArcAtDefaultStart = 0;  // kind constant: M(1 rad)
static_assert(kArcAtDefaultStart < kTransverseMercatorConstantCount);

// M(1 rad) spares the usual first footpoint step its sines.
void Setup(CGridSystem& g) { g.constants[kArcAtDefaultStart] = g.spheroid->MeridionalArc(kDefaultStart); }

// nu/rho = (1 − e²·sin²phi)/(1 − e²), without dividing.
double Psi(const CSpheroid& s, const LatitudeTerms& at) {
  return (1 - s.derived.es * at.sinPhi * at.sinPhi) * s.derived.onePlusEps;
}

GridPoint Forward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at, bool withFactors) {
  const double omega = geodesic::NormalizedDifference(lam - g.lon0);
  const double t2 = at.tanPhi * at.tanPhi, t4 = t2 * t2;
  const double psi = Psi(*g.spheroid, at), psi2 = psi * psi, psi3 = psi2 * psi, psi4 = psi2 * psi2;
  const double K = omega * omega * at.cosPhi * at.cosPhi * (1.0 / 3), K2 = K * K;
  const double M = g.spheroid->MeridionalArc(phi, at.sinPhi, at.cosPhi);
  GridPoint p;
  p.northing = (M - g.M0 + at.nu * omega * omega * at.sinPhi * at.cosPhi *
                               (0.5 + K * (4 * psi2 + psi - t2) / 8)) *
                   g.scale +
               g.falseNorthing;
  p.easting = (1 + K * (psi - t2) / 2 +
               0.075 * K2 * (4 * psi3 * (1 - 6 * t2) + psi2 * (1 + 8 * t2) - 2 * psi * t2 + t4)) *
                  at.nu * omega * at.cosPhi * g.scale +
              g.falseEasting;
  if (!withFactors) return p;
  p.convergence = omega * at.sinPhi *
                  (1 + K * (2 * psi2 - psi) +
                   0.6 * K2 * ((11 - 24 * t2) * psi4 - (11 - 36 * t2) * psi3 + 2 * psi2 * (1 - 7 * t2) + psi * t2));
  p.scale = g.scale * (1 + 1.5 * K * psi + 0.375 * K2 * (4 * psi3 * (1 - 6 * t2) + psi2 * (1 + 24 * t2) - 4 * psi * t2));
  return p;
}

struct Footpoint {
  double phi = 0, sinPhi = 0, cosPhi = 1;
  bool settled = true;
};

// Below this a step's sine and cosine come from the previous ones: the
// Taylor terms of sin and cos of the step to its fifth power leave under
// 1e-21, and a few multiplications cost far less than a sine.
constexpr double kSmallStep = 1e-3;

// sin and cos of phi + delta from those of phi, for |delta| < kSmallStep.
void TurnBy(double delta, double& sinPhi, double& cosPhi) {
  const double d2 = delta * delta;
  const double sinDelta = delta * (1 - d2 / 6 * (1 - d2 / 20));
  const double cosDelta = 1 - d2 / 2 * (1 - d2 / 12);
  const double s = sinPhi * cosDelta + cosPhi * sinDelta;
  cosPhi = cosPhi * cosDelta - sinPhi * sinDelta;
  sinPhi = s;
}

// The latitude whose meridional arc is m, by phi <- phi·m/M(phi): the step
// contracts by about e²/2 at every latitude, so a handful of steps settle.
// The sine and cosine of each new latitude serve its arc and, once it has
// settled, the series at the footpoint.
Footpoint FootpointLatitude(const CGridSystem& g, double m, double start) {
  Footpoint f;
  // The equator is the footpoint of m = 0, where the step would reach 0/0.
  if (m == 0) return f;
  const CSpheroid& s = *g.spheroid;
  double phi = start != 0 && std::isfinite(start) ? start : kDefaultStart;
  double arc = phi == kDefaultStart ? g.constants[kArcAtDefaultStart] : s.MeridionalArc(phi);
  bool haveSines = false;
  for (int step = 0; step < kMaxProjectionIterations; ++step) {
    const double next = phi * m / arc;
    const double change = next - phi;
    phi = next;
    if (haveSines && std::fabs(change) < kSmallStep) {
      TurnBy(change, f.sinPhi, f.cosPhi);
    } else {
      f.sinPhi = std::sin(phi);
      f.cosPhi = std::cos(phi);
      haveSines = true;
    }
    if (std::fabs(change) <= kProjectionTolerance) {
      f.phi = phi;
      return f;
    }
    arc = s.MeridionalArc(phi, f.sinPhi, f.cosPhi);
  }
  return {0, 0, 1, false};
}

// dE, dN: the position from the false origin, metres.
GeographicPoint InverseFromFalseOrigin(const CGridSystem& g, double dE, double dN, double startLat,
                                       bool withFactors) {
  const Footpoint f = FootpointLatitude(g, dN / g.scale + g.M0, startLat);
  const double phi1 = f.phi;
  const LatitudeTerms at = LatitudeTermsOf(*g.spheroid, f.sinPhi, f.cosPhi);
  GeographicPoint r;
  r.settled = f.settled;
  const double t = at.tanPhi, t2 = t * t, t4 = t2 * t2;
  const double psi = Psi(*g.spheroid, at), psi2 = psi * psi, psi3 = psi2 * psi, psi4 = psi2 * psi2;
  const double x = dE / (g.scale * at.nu), x2 = x * x, x4 = x2 * x2;
  r.lat = phi1 - psi * t * x2 / 2 * (1 - x2 / 12 * (9 * psi * (1 - t2) - 4 * psi2 + 12 * t2));
  r.lon = geodesic::NormalizedDifference(
      g.lon0 + x / at.cosPhi *
                   (1 - x2 / 6 * (2 * t2 + psi) +
                    x4 / 120 * ((9 - 68 * t2 - 4 * psi * (1 - 6 * t2)) * psi2 + 24 * t2 * (3 * psi + t2))));
  if (!withFactors) return r;
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

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double startLat, bool withFactors) {
  return InverseFromFalseOrigin(g, easting - g.falseEasting, northing - g.falseNorthing, startLat, withFactors);
}

// The south-orientated grids in use (southern Africa) have no false origin;
// with one, the sign change of the whole easting and northing forward and of
// the offsets from the false origin inverse do not undo each other.
GridPoint SouthForward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at, bool withFactors) {
  GridPoint p = Forward(g, phi, lam, at, withFactors);
  p.easting = -p.easting;
  p.northing = -p.northing;
  return p;
}

GeographicPoint SouthInverse(const CGridSystem& g, double easting, double northing, double startLat,
                             bool withFactors) {
  return InverseFromFalseOrigin(g, -(easting - g.falseEasting), -(northing - g.falseNorthing), startLat,
                                withFactors);
}

}  // namespace

const ProjectionOperations kTransverseMercator{Setup, Forward, Inverse};
const ProjectionOperations kSouthOrientatedTransverseMercator{Setup, SouthForward, SouthInverse};
