#include "geodesy/datum/NorwayRule.h"

#include <cmath>
#include <numbers>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/datum/Geocentric.h"
#include "geodesy/datum/Helmert.h"
#include "geodesy/datum/LocalHelmertTable.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace {

constexpr double kPolynomialOriginLatitude = 55.0;  // degrees
constexpr std::uint32_t kSouthRow = 1;
constexpr std::uint32_t kNorthRow = 2;

// Σ cᵢ·termᵢ over the terms U^(n−k)·V^k of each degree n = 0..4, in the
// order the coefficient tables list them.
double Polynomial(const std::array<double, 15>& c, double U, double V) {
  double u[5] = {1}, v[5] = {1};
  for (int n = 1; n <= 4; ++n) u[n] = u[n - 1] * U, v[n] = v[n - 1] * V;
  double sum = 0;
  std::size_t i = 0;
  for (int n = 0; n <= 4; ++n)
    for (int k = 0; k <= n; ++k) sum += c[i++] * u[n - k] * v[k];
  return sum;
}

const CSpheroid& International() {
  static const CSpheroid ellipsoid = [] {
    CSpheroid s;
    s.SelectSpheroid(kInternationalRow);
    return s;
  }();
  return ellipsoid;
}

// The seven-parameter step's shift at (phi, lam, h).
void HelmertShift(double phi, double lam, double h, int d, double& dPhi, double& dLam) {
  double X, Y, Z;
  GeographicToGeocentric(International(), phi, lam, h, X, Y, Z);
  HelmertStep(kLocalHelmertRows[kEd87ToEd50NorthRow].Shift(), d, X, Y, Z);
  double phi2 = phi, lam2 = lam, h2 = h;
  GeocentricToGeographic(International(), X, Y, Z, phi2, lam2, h2);
  dPhi = phi2 - phi;
  dLam = std::remainder(lam2 - lam, 2 * std::numbers::pi);
}

}  // namespace

void NorwayPolynomialShift(double phi, double lam, int d, double& dPhi, double& dLam) {
  const double U = phi * kDegreesPerRadian - kPolynomialOriginLatitude, V = lam * kDegreesPerRadian;
  dPhi = d * Polynomial(kNorwayLatitudeCoefficients, U, V) * kRadiansPerDegree;
  dLam = d * Polynomial(kNorwayLongitudeCoefficients, U, V) * kRadiansPerDegree;
}

void ApplyNorwayRule(double& phi, double& lam, double h, int d) {
  double dPhi, dLam;
  if (phi < kNorwaySouthEdge) {
    NorwayPolynomialShift(phi, lam, d, dPhi, dLam);
  } else if (phi > kNorwayNorthEdge) {
    HelmertShift(phi, lam, h, d, dPhi, dLam);
  } else {
    double southPhi, southLam, northPhi, northLam;
    NorwayPolynomialShift(kNorwaySouthEdge, lam, d, southPhi, southLam);
    HelmertShift(kNorwayNorthEdge, lam, h, d, northPhi, northLam);
    const double w = (phi - kNorwaySouthEdge) / kNorwayBlendWidth;
    dPhi = (1 - w) * southPhi + w * northPhi;
    dLam = (1 - w) * southLam + w * northLam;
  }
  phi += dPhi;
  lam += dLam;
}

std::uint32_t NorwayRowAt(std::uint32_t row, double phi) {
  if (row != kSouthRow && row != kNorthRow) return row;
  return phi < kNorwaySouthEdge ? kSouthRow : kNorthRow;
}
