// Notation, all lengths in US survey feet: l = sin phib, the cone constant,
// phib the central parallel; s the meridional distance south of phib; Rb
// the cone radius of phib and r = Rb + s·L1·(1 + (L2 − s·(L3·s + L4)·1e-8)·
// s²·1e-16) that of the point; theta = l·(lam − lon0); phi″ a latitude in
// arc-seconds.
//
// The L constants are the Taylor series of the conformal conic about phib
// (ConformalConicSeriesAt) with s counted southward: L1 = kb, the scale on
// phib, L2 = A·1e16, L4 = B·1e24, L3 = −C·1e24.

#include "geodesy/projection/StatePlaneLambert27.h"

#include <cmath>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/projection/CoastSurveyClarke1866.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/IsometricLatitude.h"
#include "geodesy/projection/LambertConformalConic.h"
#include "geodesy/projection/LambertNearConformal.h"
#include "geodesy/projection/ProjectionLimits.h"

namespace {

using namespace coast_survey;

// Kind constants.
constexpr std::size_t kL = 0;
constexpr std::size_t kRb = 1;
constexpr std::size_t kArcBase = 2;  // arc-seconds: s = (this − phi″ + …)·101.2794065
constexpr std::size_t kL1 = 3, kL2 = 4, kL3 = 5, kL4 = 6;
constexpr std::size_t kEastingFeet = 7;    // false easting, feet
constexpr std::size_t kNorthingFeet = 8;  // false northing plus the radius of lat0, feet

// Newton's method on r(s) stops on a step below this, feet.
constexpr double kDistanceTolerance = 3e-5;

double DistanceSouth(const CGridSystem& g, double phi, double sinPhi, double cosPhi) {
  return (g.constants[kArcBase] - RectifyingArcSeconds(phi, sinPhi, cosPhi)) * kFeetPerArcSecondOfArc;
}

double ConeRadius(const CGridSystem& g, double s) {
  const auto& c = g.constants;
  return c[kRb] + s * c[kL1] * (1 + (c[kL2] - s * (c[kL3] * s + c[kL4]) * 1e-8) * s * s * 1e-16);
}

double ConeRadiusSlope(const CGridSystem& g, double s) {
  const auto& c = g.constants;
  return c[kL1] * (1 + (3 * c[kL2] - s * (5 * c[kL3] * s + 4 * c[kL4]) * 1e-8) * s * s * 1e-16);
}

// The conic's scale r·l/(nu·cos phi) = l·r·√(1 − e²·sin²phi)/(a·cos phi).
// Written with (1 − e²·sin²phi) in place of its root, as the module's
// formula once had it, it is 1100 to 1600 ppm off PROJ's lcc on zones
// from 31° to 43° N, so the root is taken.
double PointScale(const CGridSystem& g, double r, double sinPhi, double cosPhi) {
  return std::sqrt(1 - kEs * sinPhi * sinPhi) * r * g.constants[kL] / (cosPhi * kAFeet);
}

void Setup(CGridSystem& g) {
  const LambertCone cone = LambertConeThrough(kAFeet, std::sqrt(kEs), g.lat1, g.lat2);
  const double l = cone.n, sinB = l, cosB = std::sqrt(1 - l * l), phiB = std::asin(l);
  const double w = 1 - kEs * sinB * sinB;
  const double rb = cone.K * std::exp(-l * IsometricLatitude(std::sqrt(kEs), sinB));
  const double nu = kAFeet / std::sqrt(w), rho = nu * (1 - kEs) / w;
  const ConformalConicSeries series = ConformalConicSeriesAt(nu, rho, sinB / cosB);
  auto& c = g.constants;
  c[kL] = l;
  c[kRb] = rb;
  c[kArcBase] = RectifyingArcSeconds(phiB, sinB, cosB);
  c[kL1] = rb * l / (nu * cosB);
  c[kL2] = series.A * 1e16;
  c[kL3] = -series.C * 1e24;
  c[kL4] = series.B * 1e24;
  c[kEastingFeet] = g.falseEasting * kFeetPerMetre;
  const double s0 = DistanceSouth(g, g.lat0, std::sin(g.lat0), std::cos(g.lat0));
  c[kNorthingFeet] = g.falseNorthing * kFeetPerMetre + ConeRadius(g, s0);
}

GridPoint Forward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at, bool withFactors) {
  const double r = ConeRadius(g, DistanceSouth(g, phi, at.sinPhi, at.cosPhi));
  const double theta = g.constants[kL] * (lam - g.lon0);
  const double sinHalf = std::sin(theta / 2);
  GridPoint p;
  p.easting = (r * std::sin(theta) + g.constants[kEastingFeet]) * kMetresPerFoot;
  p.northing = (2 * r * sinHalf * sinHalf + g.constants[kNorthingFeet] - r) * kMetresPerFoot;
  if (!withFactors) return p;
  p.convergence = theta;
  p.scale = PointScale(g, r, at.sinPhi, at.cosPhi);
  return p;
}

// The distance south of phib whose cone radius is r, by Newton's method
// from the first-order term; false after 100 steps.
bool DistanceFromRadius(const CGridSystem& g, double r, double& s) {
  s = (r - g.constants[kRb]) / g.constants[kL1];
  for (int step = 0; step < kMaxProjectionIterations; ++step) {
    const double change = (ConeRadius(g, s) - r) / ConeRadiusSlope(g, s);
    s -= change;
    if (std::fabs(change) <= kDistanceTolerance) return true;
  }
  return false;
}

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double, bool withFactors) {
  const double dE = easting * kFeetPerMetre - g.constants[kEastingFeet];
  const double dN = g.constants[kNorthingFeet] - northing * kFeetPerMetre;
  const double r = std::sqrt(dE * dE + dN * dN), theta = std::atan2(dE, dN);
  GeographicPoint p;
  double s = 0;
  p.settled = DistanceFromRadius(g, r, s);
  if (!p.settled) return p;
  p.lat = LatitudeOfRectifying((g.constants[kArcBase] - s / kFeetPerArcSecondOfArc) * kRadiansPerArcSecond);
  p.lon = g.lon0 + theta / g.constants[kL];
  if (!withFactors) return p;
  p.convergence = theta;
  p.scale = PointScale(g, r, std::sin(p.lat), std::cos(p.lat));
  return p;
}

}  // namespace

const ProjectionOperations kStatePlaneLambert27{Setup, Forward, Inverse};
