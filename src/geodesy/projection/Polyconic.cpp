// Notation: L = dlam·sin phi, the angle of the point on its parallel's
// circle; x, y the offsets from the false origin; A = (M0 + y)/a and
// B = x²/a² + A²; Ma = M(phi)/a and its derivative Ma′ = dMa/dphi; D the
// angle between meridian and parallel less a right angle.

#include "geodesy/projection/Polyconic.h"

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/ProjectionLimits.h"

namespace {

void Setup(CGridSystem&) {}

// The meridian's scale (Snyder 18-17, 18-18); on the equator, where tan phi
// is 0, its limit 1 + dlam²/(2(1 − e²)) written with the arc's slope there.
double MeridianScale(const CSpheroid& s, double dlam, const LatitudeTerms& at) {
  const SpheroidConstants& k = s.derived;
  if (at.sinPhi == 0) return (dlam * dlam / 2 + k.arcSlope) / k.oneMinusEs;
  const double L = dlam * at.sinPhi, w = 1 - k.es * at.sinPhi * at.sinPhi;
  const double halfSinL = std::sin(L / 2);
  const double D = std::atan((L - std::sin(L)) /
                             (1 / (at.cosPhi * at.cosPhi) - std::cos(L) - k.es * at.sinPhi * at.sinPhi / w));
  return (k.oneMinusEs + 2 * w * halfSinL * halfSinL / (at.tanPhi * at.tanPhi)) / (k.oneMinusEs * std::cos(D));
}

GridPoint Forward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at, bool withFactors) {
  const CSpheroid& s = *g.spheroid;
  const double dlam = lam - g.lon0;
  GridPoint p;
  if (phi == 0) {
    p.easting = s.a * dlam;
    p.northing = -g.M0;
  } else {
    // 1 − cos L as 2·sin²(L/2): near the equator L is small and the radius
    // huge, and the difference would keep only half the digits.
    const double L = dlam * at.sinPhi, radius = at.nu / at.tanPhi, halfSinL = std::sin(L / 2);
    p.easting = radius * std::sin(L);
    p.northing = s.MeridionalArc(phi, at.sinPhi, at.cosPhi) - g.M0 + 2 * radius * halfSinL * halfSinL;
  }
  p.easting += g.falseEasting;
  p.northing += g.falseNorthing;
  if (withFactors) p.scale = MeridianScale(s, dlam, at);
  return p;
}

// dMa/dphi of the e⁶ arc series, so that Newton's method settles on the
// latitude whose series arc is the point's; the multiple angles from cos 2phi
// rather than three more cosines.
double ArcSlope(const SpheroidConstants& k, double cos2Phi) {
  const double cos4Phi = 2 * cos2Phi * cos2Phi - 1, cos6Phi = cos2Phi * (2 * cos4Phi - 1);
  return k.A0 - 2 * k.A2 * cos2Phi + 4 * k.A4 * cos4Phi - 6 * k.A6 * cos6Phi;
}

// Newton's method on f(phi) = A·(C·Ma + 1) − Ma − (Ma² + B)·C/2, zero where
// the point lies on its parallel's circle, from phi = A (Snyder 18-21).
// One sine and cosine a step serve every term.
bool LatitudeOf(const CSpheroid& s, double A, double B, double& phi) {
  const SpheroidConstants& k = s.derived;
  phi = A;
  for (int step = 0; step < kMaxProjectionIterations; ++step) {
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    const double sin2Phi = 2 * sinPhi * cosPhi, cos2Phi = (cosPhi - sinPhi) * (cosPhi + sinPhi);
    const double C = std::sqrt(1 - k.es * sinPhi * sinPhi) * sinPhi / cosPhi;
    const double Ma = s.MeridionalArc(phi, sinPhi, cosPhi) / s.a, slope = ArcSlope(k, cos2Phi);
    const double change = (A * (C * Ma + 1) - Ma - (Ma * Ma + B) * C / 2) /
                          (k.es * sin2Phi * (Ma * Ma + B - 2 * A * Ma) / (4 * C) + (A - Ma) * (C * slope - 2 / sin2Phi) -
                           slope);
    phi -= change;
    if (std::fabs(change) <= kProjectionTolerance) return true;
  }
  phi = 0;
  return false;
}

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double, bool withFactors) {
  const CSpheroid& s = *g.spheroid;
  const double x = easting - g.falseEasting, y = northing - g.falseNorthing;
  GeographicPoint r;
  const double A = (g.M0 + y) / s.a;
  double dlam = 0;
  if (A == 0) {
    // On the equator the parallel's circle is the straight line y = −M0.
    dlam = x / s.a;
  } else {
    r.settled = LatitudeOf(s, A, x * x / (s.a * s.a) + A * A, r.lat);
    const double sinPhi = std::sin(r.lat);
    const double C = std::sqrt(1 - s.derived.es * sinPhi * sinPhi) * std::tan(r.lat);
    if (r.settled) dlam = std::asin(x * C / s.a) / sinPhi;
  }
  r.lon = g.lon0 + dlam;
  if (withFactors && r.settled) r.scale = MeridianScale(s, dlam, LatitudeTermsAt(s, r.lat));
  return r;
}

}  // namespace

const ProjectionOperations kAmericanPolyconic{Setup, Forward, Inverse};
