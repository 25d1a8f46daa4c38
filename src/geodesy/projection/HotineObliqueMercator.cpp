// The published method (EPSG Guidance Note 7-2, methods 9812 and 9815;
// Snyder 1987, ch. 9): the ellipsoid maps conformally onto an aposphere
// (Q = B·q + ln H), where the oblique Mercator of the sphere gives u
// along the initial line and v across it, and (u, v) turn through the
// rectified grid angle into easting and northing.
//
// Notation: q isometric latitude; B, A, H the aposphere's constants;
// gamma0 the initial line's azimuth at the natural origin, lam0 that
// origin's longitude; gammaC the rectifying angle; uC the u of the centre.

#include "geodesy/projection/HotineObliqueMercator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/IsometricLatitude.h"

namespace {

// Given by the oblique setters.
constexpr std::size_t kAlphaC = 0, kGammaC = 1;
// Derived; past the eleven slots the setters may fill.
constexpr std::size_t kB = 11, kA = 12, kLnH = 13, kSinGamma0 = 14, kCosGamma0 = 15, kLam0 = 16, kUc = 17,
                      kSinGammaC = 18, kCosGammaC = 19;

// The Borneo grids rectify by 0.8 and 0.6 (gammaC = atan(4/3), their
// published 53°07'48.3685" to within 1e-4"), kept exact rather than rounded
// through an angle.
constexpr double kFixedSinGammaC = 0.8, kFixedCosGammaC = 0.6;

double Sign(double x) { return x < 0 ? -1 : 1; }

void DeriveAposphere(CGridSystem& g) {
  const CSpheroid& s = *g.spheroid;
  const double es = s.derived.es, sin0 = g.origin.sinLat0, cos0 = g.origin.cosLat0;
  const double w0 = 1 - es * sin0 * sin0;
  const double B = std::sqrt(1 + s.derived.eps * std::pow(cos0, 4));
  const double A = s.a * B * g.scale * std::sqrt(s.derived.oneMinusEs) / w0;
  // D ≥ 1 on any ellipsoid; rounding at the equator may leave it a hair below.
  const double D = std::max(1.0, B * std::sqrt(s.derived.oneMinusEs) / (cos0 * std::sqrt(w0)));
  const double rootD = std::sqrt(D * D - 1);
  const double F = D + Sign(g.lat0) * rootD;
  const double G = (F - 1 / F) / 2;
  const double alphaC = g.constants[kAlphaC];
  const double gamma0 = std::asin(std::sin(alphaC) / D);
  g.constants[kB] = B;
  // A centre at a pole gives its initial line no azimuth to follow: such a
  // grid gives no finite numbers rather than those of an arbitrary line.
  constexpr double kPoleMargin = 1e-7;  // radians, 0.6 m
  g.constants[kA] = !(cos0 > kPoleMargin) ? std::numeric_limits<double>::quiet_NaN() : A;
  g.constants[kLnH] = std::log(F) - B * g.origin.q0;
  g.constants[kSinGamma0] = std::sin(gamma0);
  g.constants[kCosGamma0] = std::cos(gamma0);
  // asin(G·tan gamma0) written as the atan2 it equals (G² = D² − 1): the
  // asin's argument nears 1 as the line turns east, where its rounding
  // moves the natural origin by centimetres to a metre (PROJ's omerc at
  // alpha 90°, measured: 7 cm on a Hungarian-style centre, 1 m at 4° N).
  g.constants[kLam0] = g.lon0 - std::atan2(G * std::sin(alphaC), D * std::fabs(std::cos(alphaC))) / B;
  g.constants[kUc] = A / B * std::atan2(rootD, std::cos(alphaC)) * Sign(g.lat0);
}

void SetupCentreOrigin(CGridSystem& g) {
  DeriveAposphere(g);
  g.constants[kSinGammaC] = kFixedSinGammaC;
  g.constants[kCosGammaC] = kFixedCosGammaC;
}

void SetupNaturalOrigin(CGridSystem& g) {
  DeriveAposphere(g);
  g.constants[kUc] = 0;
  g.constants[kSinGammaC] = std::sin(g.constants[kGammaC]);
  g.constants[kCosGammaC] = std::cos(g.constants[kGammaC]);
}

double WrappedLongitude(double dlam) { return std::remainder(dlam, 2 * std::numbers::pi); }

// tanh Q and 1/cosh Q, which is all the method needs of sinh and cosh (its
// terms divide by cosh Q), from one exponential that cannot overflow: the
// poles (Q infinite) then come out as the limits, tanh ±1 and 1/cosh 0.
struct HyperbolicRatios {
  double tanhQ, sechQ;
};

HyperbolicRatios RatiosOf(double Q) {
  const double w = std::exp(-std::fabs(Q)), z = w * w;
  return {std::copysign((1 - z) / (1 + z), Q), 2 * w / (1 + z)};
}

GridPoint Forward(const CGridSystem& g, double, double lam, const LatitudeTerms& at, bool withFactors) {
  const auto& c = g.constants;
  const double B = c[kB], A = c[kA], sinG0 = c[kSinGamma0], cosG0 = c[kCosGamma0];
  const auto [tanhQ, sechQ] = RatiosOf(B * IsometricLatitude(g.spheroid->derived.e, at.sinPhi) + c[kLnH]);
  const double L = B * WrappedLongitude(lam - c[kLam0]);
  const double sinL = std::sin(L), cosL = std::cos(L);
  const double U = tanhQ * sinG0 - sinL * cosG0 * sechQ;
  const double v = -A / B * std::atanh(U);
  const double alongX = tanhQ * cosG0 + sinL * sinG0 * sechQ, alongY = cosL * sechQ;
  const double u = A / B * std::atan2(alongX, alongY) - c[kUc];
  const double sinGc = c[kSinGammaC], cosGc = c[kCosGammaC];
  GridPoint p;
  p.easting = v * cosGc + u * sinGc + g.falseEasting;
  p.northing = u * cosGc - v * sinGc + g.falseNorthing;
  if (!withFactors) return p;
  // True north in (u, v), from the derivatives by Q: both share one
  // positive divisor, which an angle does not need.
  const double du = cosL * cosG0, dv = -(sinG0 * sechQ + tanhQ * sinL * cosG0);
  const double dE = dv * cosGc + du * sinGc, dN = du * cosGc - dv * sinGc;
  p.convergence = std::atan2(-dE, dN);
  // The published k = A·cos(B·u/A)/(nu·cos phi·cos L) with cos(B·u/A) taken
  // from the atan2 above, so that cos L cancels where it is 0; the ellipsoid's
  // poles, which the aposphere's factor B sharpens into points, get 0.
  p.scale = A * sechQ / (std::hypot(alongX, alongY) * at.nu * at.cosPhi);
  return p;
}

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double, bool withFactors) {
  const auto& c = g.constants;
  const double B = c[kB], A = c[kA], sinG0 = c[kSinGamma0], cosG0 = c[kCosGamma0];
  const double dE = easting - g.falseEasting, dN = northing - g.falseNorthing;
  const double sinGc = c[kSinGammaC], cosGc = c[kCosGammaC];
  const double v = dE * cosGc - dN * sinGc;
  const double u = dN * cosGc + dE * sinGc + c[kUc];
  const double Qv = -B * v / A;
  const double S = std::sinh(Qv), T = std::cosh(Qv);
  const double V = std::sin(B * u / A);
  const double U = (V * cosG0 + S * sinG0) / T;
  GeographicPoint r;
  // U = ±1 is a pole, where the forward puts it (and every point within
  // 1e-8 rad of it, U having no more digits there); its isometric latitude
  // is infinite, which is no latitude to iterate on.
  if (std::fabs(U) == 1)
    r.lat = std::copysign(std::numbers::pi / 2, U);
  else
    r.settled = LatitudeFromIsometric(g.spheroid->derived.e, (std::atanh(U) - c[kLnH]) / B, r.lat);
  r.lon = c[kLam0] - std::atan2(S * cosG0 - V * sinG0, std::cos(B * u / A)) / B;
  if (!withFactors) return r;
  const LatitudeTerms at = LatitudeTermsAt(*g.spheroid, r.lat);
  const GridPoint p = Forward(g, r.lat, r.lon, at, true);
  r.convergence = p.convergence;
  r.scale = p.scale;
  return r;
}

}  // namespace

const ProjectionOperations kHotineCentreOrigin{SetupCentreOrigin, Forward, Inverse};
const ProjectionOperations kHotineNaturalOrigin{SetupNaturalOrigin, Forward, Inverse};
