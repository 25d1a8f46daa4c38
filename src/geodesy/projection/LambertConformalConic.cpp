// Notation: n the cone constant; K = aF, the cone radius of the equator
// (q = 0) in metres; r = K·exp(−n·q) the radius of a parallel; r0 that of
// lat0; theta = n·(lam − lon0); m(phi) = cos phi/√(1 − e²·sin²phi).
// Snyder (1987), eqs. 15-1 to 15-10, with ln t written as −q.

#include "geodesy/projection/LambertConformalConic.h"

#include <cmath>
#include <numbers>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/IsometricLatitude.h"

namespace {

// Kind constants.
constexpr std::size_t kN = 0;
constexpr std::size_t kK = 1;
constexpr std::size_t kR0 = 2;
constexpr std::size_t kR0PlusFalseNorthing = 3;

double ParallelRadiusFactor(double es, double sinPhi, double cosPhi) {
  return cosPhi / std::sqrt(1 - es * sinPhi * sinPhi);
}

// n, K and r0 from the standard parallels.
void SetupCone(CGridSystem& g) {
  const CSpheroid& s = *g.spheroid;
  const LambertCone cone = LambertConeThrough(s.a, s.derived.e, g.lat1, g.lat2);
  const double r0 = cone.K * std::exp(-cone.n * g.origin.q0);
  g.constants[kN] = cone.n;
  g.constants[kK] = cone.K;
  g.constants[kR0] = r0;
  g.constants[kR0PlusFalseNorthing] = r0 + g.falseNorthing;
}

double PointScale(const CGridSystem& g, double r, double sinPhi, double cosPhi) {
  return r * g.constants[kN] / (g.spheroid->a * ParallelRadiusFactor(g.spheroid->derived.es, sinPhi, cosPhi));
}

// The scale on the central parallel phic = asin n, where it is least.
void SetupIsometricForm(CGridSystem& g) {
  SetupCone(g);
  const double n = g.constants[kN], es = g.spheroid->derived.es;
  const double cosC = std::sqrt(1 - n * n);
  const double rC = g.constants[kK] * std::exp(-n * IsometricLatitude(g.spheroid->derived.e, n));
  g.scale = std::sqrt(1 - es * n * n) * (n / cosC) * rC / g.spheroid->a;
}

void SetupTanForm(CGridSystem& g) {
  SetupCone(g);
  g.scale = PointScale(g, g.constants[kR0], g.origin.sinLat0, g.origin.cosLat0);
}

GridPoint ForwardOnCone(const CGridSystem& g, double lam, const LatitudeTerms& at, double& r) {
  const double n = g.constants[kN];
  r = g.constants[kK] * std::exp(-n * IsometricLatitude(g.spheroid->derived.e, at.sinPhi));
  const double theta = n * (lam - g.lon0);
  GridPoint p;
  p.easting = r * std::sin(theta) + g.falseEasting;
  p.northing = g.constants[kR0PlusFalseNorthing] - r * std::cos(theta);
  p.convergence = theta;
  return p;
}

GridPoint ForwardIsometricForm(const CGridSystem& g, double, double lam, const LatitudeTerms& at,
                               bool withFactors) {
  double r = 0;
  GridPoint p = ForwardOnCone(g, lam, at, r);
  if (withFactors) p.scale = PointScale(g, r, at.sinPhi, at.cosPhi);
  return p;
}

GridPoint ForwardTanForm(const CGridSystem& g, double, double lam, const LatitudeTerms& at, bool) {
  double r = 0;
  GridPoint p = ForwardOnCone(g, lam, at, r);
  p.convergence = 0;
  return p;
}

// The radius and angle of a grid position about the apex, both taken on the
// side of the cone's sign, so that a southern cone (n < 0) needs no cases.
GeographicPoint InverseOnCone(const CGridSystem& g, double easting, double northing, double& r) {
  const double n = g.constants[kN], side = n < 0 ? -1.0 : 1.0;
  const double dE = side * (easting - g.falseEasting);
  const double dN = side * (g.constants[kR0PlusFalseNorthing] - northing);
  r = side * std::sqrt(dE * dE + dN * dN);
  const double theta = std::atan2(dE, dN);
  GeographicPoint p;
  p.lon = g.lon0 + theta / n;
  p.convergence = theta;
  // The apex is the pole the cone closes on, where q is infinite.
  if (r == 0) {
    p.lat = std::copysign(std::numbers::pi / 2, n);
    return p;
  }
  p.settled = LatitudeFromIsometric(g.spheroid->derived.e, -std::log(r / g.constants[kK]) / n, p.lat);
  return p;
}

GeographicPoint InverseIsometricForm(const CGridSystem& g, double easting, double northing, double,
                                     bool withFactors) {
  double r = 0;
  GeographicPoint p = InverseOnCone(g, easting, northing, r);
  if (withFactors) p.scale = PointScale(g, r, std::sin(p.lat), std::cos(p.lat));
  return p;
}

GeographicPoint InverseTanForm(const CGridSystem& g, double easting, double northing, double, bool) {
  double r = 0;
  GeographicPoint p = InverseOnCone(g, easting, northing, r);
  p.convergence = 0;
  return p;
}

}  // namespace

// With the two parallels equal the quotient for n is 0/0; its limit, the
// one-parallel cone, is sin lat1.
LambertCone LambertConeThrough(double a, double e, double lat1, double lat2) {
  const double es = e * e, sin1 = std::sin(lat1), sin2 = std::sin(lat2);
  const double m1 = ParallelRadiusFactor(es, sin1, std::cos(lat1));
  const double m2 = ParallelRadiusFactor(es, sin2, std::cos(lat2));
  const double q1 = IsometricLatitude(e, sin1), q2 = IsometricLatitude(e, sin2);
  LambertCone cone;
  cone.n = lat1 == lat2 ? sin1 : std::log(m1 / m2) / (q2 - q1);
  cone.K = a * m1 * std::exp(cone.n * q1) / cone.n;
  return cone;
}

const ProjectionOperations kLambertConformalConic{SetupIsometricForm, ForwardIsometricForm, InverseIsometricForm};
const ProjectionOperations kLambertConformalConicTanForm{SetupTanForm, ForwardTanForm, InverseTanForm};
