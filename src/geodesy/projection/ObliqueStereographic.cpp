// Notation: chi the conformal latitude on the sphere, chi0 that of the
// origin; n the sphere's longitude factor, Lambda = n·dlam; c the constant
// that makes the sphere touch the ellipsoid at the origin; q the isometric
// latitude, so that ((1 + sin phi)/(1 − sin phi))·((1 − e·sin phi)/(1 + e·sin phi))^e
// is exp(2q), and w = c·exp(2q)^n gives sin chi = (w − 1)/(w + 1) = tanh(n·q + ln(c)/2).
// The tanh form stays finite at the poles, where the quotients overflow.

#include "geodesy/projection/ObliqueStereographic.h"

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/IsometricLatitude.h"

namespace {

// Kind constants.
constexpr std::size_t kTwoRk0 = 0;    // 2·R·k0, metres
constexpr std::size_t kN = 1;         // n
constexpr std::size_t kHalfLnC = 2;   // ln(c)/2
constexpr std::size_t kSinChi0 = 3;
constexpr std::size_t kCosChi0 = 4;

void Setup(CGridSystem& g) {
  const CSpheroid& s = *g.spheroid;
  const double es = s.derived.es, sinLat0 = g.origin.sinLat0, cos2 = g.origin.cosLat0 * g.origin.cosLat0;
  const double n = std::sqrt(1 + es * cos2 * cos2 / (1 - es));
  // w1 = S1^n, and sin chi0′ = (w1 − 1)/(w1 + 1), the sphere's latitude
  // before c moves it onto the origin.
  const double sinChi0Before = std::tanh(n * g.origin.q0);
  const double c = (n + sinLat0) * (1 - sinChi0Before) / ((n - sinLat0) * (1 + sinChi0Before));
  const double halfLnC = std::log(c) / 2;
  const double x0 = n * g.origin.q0 + halfLnC;
  g.constants[kTwoRk0] = 2 * std::sqrt(g.origin.rho0 * g.origin.nu0) * g.scale;
  g.constants[kN] = n;
  g.constants[kHalfLnC] = halfLnC;
  g.constants[kSinChi0] = std::tanh(x0);
  g.constants[kCosChi0] = 1 / std::cosh(x0);
}

GridPoint Forward(const CGridSystem& g, double, double lam, const LatitudeTerms& at, bool) {
  const double x = g.constants[kN] * IsometricLatitude(g.spheroid->derived.e, at.sinPhi) + g.constants[kHalfLnC];
  const double sinChi = std::tanh(x), cosChi = 1 / std::cosh(x);
  const double Lambda = g.constants[kN] * (lam - g.lon0);
  const double sinChi0 = g.constants[kSinChi0], cosChi0 = g.constants[kCosChi0];
  const double cosLambda = std::cos(Lambda);
  const double B = 1 + sinChi * sinChi0 + cosChi * cosChi0 * cosLambda;
  const double scale = g.constants[kTwoRk0] / B;
  GridPoint p;
  p.easting = g.falseEasting + scale * cosChi * std::sin(Lambda);
  p.northing = g.falseNorthing + scale * (sinChi * cosChi0 - cosChi * sinChi0 * cosLambda);
  return p;
}

// The sphere's stereographic inverse (Snyder (1987), eqs. 20-14, 21-15)
// with rho = tan(c′/2) for the distance from the origin in units of 2Rk0,
// written through rho so that the origin itself needs no special case.
GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double, bool) {
  const double x = (easting - g.falseEasting) / g.constants[kTwoRk0];
  const double y = (northing - g.falseNorthing) / g.constants[kTwoRk0];
  const double rho2 = x * x + y * y;
  const double sinChi0 = g.constants[kSinChi0], cosChi0 = g.constants[kCosChi0];
  const double sinChi = ((1 - rho2) * sinChi0 + 2 * y * cosChi0) / (1 + rho2);
  const double Lambda = std::atan2(2 * x, (1 - rho2) * cosChi0 - 2 * y * sinChi0);
  const double n = g.constants[kN];
  GeographicPoint r;
  r.settled = LatitudeFromIsometric(g.spheroid->derived.e, (std::atanh(sinChi) - g.constants[kHalfLnC]) / n, r.lat);
  r.lon = g.lon0 + Lambda / n;
  return r;
}

}  // namespace

const ProjectionOperations kObliqueStereographic{Setup, Forward, Inverse};
