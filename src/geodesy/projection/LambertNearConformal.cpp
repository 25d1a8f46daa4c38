// Notation: s = M(phi) − M0, the meridional distance from lat0 (metres);
// r0 = k0·nu0/tan lat0 the radius of lat0 on the cone; M = k0·(s + A·s³ +
// B·s⁴ + C·s⁵) how far the parallel lies from lat0 along the central
// meridian; theta = sin lat0·(lam − lon0).
//
// The coefficients are those of the Taylor series in s of the conformal
// one-parallel conic. With t = tan lat0 and nu, rho at lat0, ln k/k0 =
// L2·s² + L3·s³ + L4·s⁴ + L5·s⁵ + …, where d(ln k)/ds = (sin phi −
// sin lat0)/(nu·cos phi), differentiated along the meridian with
// dnu/dphi = (nu − rho)·tan phi and drho/dphi = 3rho·(nu − rho)·tan phi/nu:
//   L2 = 1/(2·nu·rho)
//   L3 = t·(5rho − 4nu)/(6·nu²·rho²)
//   L4 = (24nu²t² − 4nu² − 48nu·rho·t² + 6nu·rho + 27rho²t²)/(24·nu³·rho³)
//   L5 = −t·(192nu³t² − 88nu³ − 528nu²rho·t² + 188nu²rho + 492nu·rho²t²
//          − 111nu·rho² − 168rho³t²)/(120·nu⁴·rho⁴)
// Then k/k0 = 1 + L2·s² + L3·s³ + (L4 + L2²/2)·s⁴ + (L5 + L2·L3)·s⁵, and
// M/k0, its integral: A = L2/3 (the published 1/(6·rho0·nu0)), B = L3/4,
// C = (L4 + L2²/2)/5.

#include "geodesy/projection/LambertNearConformal.h"

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/ProjectionLimits.h"

namespace {

// Kind constants.
constexpr std::size_t kSinLat0 = 0;
constexpr std::size_t kR0 = 1;
constexpr std::size_t kA = 2, kB = 3, kC = 4;
constexpr std::size_t kScaleS5 = 5;  // L5 + L2·L3, the s⁵ term of k/k0

// The steps on M(s) stop on a step below this, metres; the next would have
// been some million times smaller.
constexpr double kDistanceTolerance = 1e-5;

void Setup(CGridSystem& g) {
  const ConformalConicSeries series = ConformalConicSeriesAt(g.origin.nu0, g.origin.rho0, g.origin.tanLat0);
  g.constants[kSinLat0] = g.origin.sinLat0;
  g.constants[kR0] = g.scale * g.origin.nu0 / g.origin.tanLat0;
  g.constants[kA] = series.A;
  g.constants[kB] = series.B;
  g.constants[kC] = series.C;
  g.constants[kScaleS5] = series.scaleS5;
}

// M/k0 of a meridional distance.
double ConeDistance(const CGridSystem& g, double s) {
  return s * (1 + s * s * (g.constants[kA] + s * (g.constants[kB] + s * g.constants[kC])));
}

double PointScale(const CGridSystem& g, double s) {
  const auto& c = g.constants;
  return g.scale * (1 + s * s * (3 * c[kA] + s * (4 * c[kB] + s * (5 * c[kC] + s * c[kScaleS5]))));
}

GridPoint Forward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at, bool withFactors) {
  const double s = g.spheroid->MeridionalArc(phi, at.sinPhi, at.cosPhi) - g.M0;
  const double M = g.scale * ConeDistance(g, s);
  const double r = g.constants[kR0] - M;
  const double theta = g.constants[kSinLat0] * (lam - g.lon0);
  const double rSinTheta = r * std::sin(theta);
  GridPoint p;
  p.easting = g.falseEasting + rSinTheta;
  p.northing = g.falseNorthing + M + rSinTheta * std::tan(theta / 2);
  if (!withFactors) return p;
  p.convergence = theta;
  p.scale = PointScale(g, s);
  return p;
}

// The meridional distance whose cone distance is u = M/k0: the reversed
// series s = u − A·u³ − B·u⁴ + (3A² − C)·u⁵ (a few millimetres off 3° from
// lat0, metres at 15°), then steps along the slope dM/ds = k/k0 taken there,
// which changes so little across such a miss that each step gains some six
// digits; false after 100 steps.
bool DistanceFromCone(const CGridSystem& g, double coneDistance, double& s) {
  const auto& c = g.constants;
  const double u = coneDistance;
  s = u * (1 - u * u * (c[kA] + u * (c[kB] - u * (3 * c[kA] * c[kA] - c[kC]))));
  const double inverseSlope = g.scale / PointScale(g, s);
  for (int step = 0; step < kMaxProjectionIterations; ++step) {
    const double change = (ConeDistance(g, s) - coneDistance) * inverseSlope;
    s -= change;
    if (std::fabs(change) <= kDistanceTolerance) return true;
  }
  return false;
}

// The footpoint series of the rectifying latitude mu = m/(a·A0) (the
// ellipsoid's footpoint constants), within some 1e-10 rad of the latitude whose
// e⁶ arc series is m.
double FootpointStart(const CSpheroid& sp, double m) {
  const SpheroidConstants& k = sp.derived;
  const double mu = m / k.aA0;
  const double sin2 = std::sin(2 * mu), cos2 = std::cos(2 * mu);
  const double sin4 = 2 * sin2 * cos2, sin6 = sin2 * (3 - 4 * sin2 * sin2), sin8 = 2 * sin4 * (1 - 2 * sin2 * sin2);
  return mu + k.fp2 * sin2 + k.fp4 * sin4 + k.fp6 * sin6 + k.fp8 * sin8;
}

// dM/dphi of the arc series itself, a·(A0 − 2A2·cos 2phi + 4A4·cos 4phi −
// 6A6·cos 6phi): unlike rho it needs no root, and Newton's method on the
// series then converges as fast as the series allows.
double ArcSlope(const CSpheroid& sp, double sinPhi, double cosPhi) {
  const SpheroidConstants& k = sp.derived;
  const double cos2 = (cosPhi - sinPhi) * (cosPhi + sinPhi), cos4 = 2 * cos2 * cos2 - 1;
  const double cos6 = cos2 * (4 * cos2 * cos2 - 3);
  return sp.a * (k.A0 - 2 * k.A2 * cos2 + 4 * k.A4 * cos4 - 6 * k.A6 * cos6);
}

// The latitude whose meridional arc is m: the footpoint series, then
// Newton's method on the arc series, so that the arc the forward used is
// inverted to rounding; the first step, some 1e-10 rad, settles it. False
// after 100 steps.
bool LatitudeFromArc(const CGridSystem& g, double m, double& phi) {
  const CSpheroid& sp = *g.spheroid;
  phi = FootpointStart(sp, m);
  for (int step = 0; step < kMaxProjectionIterations; ++step) {
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    const double change = (sp.MeridionalArc(phi, sinPhi, cosPhi) - m) / ArcSlope(sp, sinPhi, cosPhi);
    phi -= change;
    if (std::fabs(change) <= kProjectionTolerance) return true;
  }
  return false;
}

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double, bool withFactors) {
  const double r0 = g.constants[kR0], side = r0 < 0 ? -1.0 : 1.0;
  const double dE = side * (easting - g.falseEasting), dN = side * (r0 - (northing - g.falseNorthing));
  const double theta = std::atan2(dE, dN);
  const double M = r0 - side * std::sqrt(dE * dE + dN * dN);
  GeographicPoint p;
  double s = 0;
  p.settled = DistanceFromCone(g, M / g.scale, s) && LatitudeFromArc(g, g.M0 + s, p.lat);
  if (!p.settled) {
    p.lat = 0;
    return p;
  }
  p.lon = g.lon0 + theta / g.constants[kSinLat0];
  if (!withFactors) return p;
  p.convergence = theta;
  p.scale = PointScale(g, s);
  return p;
}

}  // namespace

ConformalConicSeries ConformalConicSeriesAt(double nu, double rho, double t) {
  const double t2 = t * t, nu2 = nu * nu, nu3 = nu2 * nu, rho2 = rho * rho, rho3 = rho2 * rho;
  const double L2 = 1 / (2 * nu * rho);
  const double L3 = t * (5 * rho - 4 * nu) / (6 * nu2 * rho2);
  const double L4 = (24 * nu2 * t2 - 4 * nu2 - 48 * nu * rho * t2 + 6 * nu * rho + 27 * rho2 * t2) / (24 * nu3 * rho3);
  const double L5 = -t *
                    (192 * nu3 * t2 - 88 * nu3 - 528 * nu2 * rho * t2 + 188 * nu2 * rho + 492 * nu * rho2 * t2 -
                     111 * nu * rho2 - 168 * rho3 * t2) /
                    (120 * nu3 * nu * rho3 * rho);
  return {L2 / 3, L3 / 4, (L4 + L2 * L2 / 2) / 5, L5 + L2 * L3};
}

const ProjectionOperations kLambertNearConformal{Setup, Forward, Inverse};
