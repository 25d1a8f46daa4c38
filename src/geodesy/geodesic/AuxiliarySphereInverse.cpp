// Notation: phi latitude, lam longitude; beta reduced latitude,
// tan beta = (1 − f)·tan phi; omega longitude difference on the auxiliary
// sphere; sigma arc length on it, sigma1 and sigma2 measured from the
// equator crossing of the great circle; alpha0 azimuth at that crossing;
// u² = e′²·cos²alpha0; prefixes s and c mean sine and cosine.

#include "geodesy/geodesic/AuxiliarySphereInverse.h"

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/geodesic/GeodesicMath.h"

namespace {

using namespace geodesic;

// The longitude on the auxiliary sphere is settled when a step changes it by
// less than this: 1e-12 rad moves a point by 6 micrometres.
constexpr double kOmegaTolerance = 1e-12;
// Each step shrinks the error by a factor of about f, so a settling line
// needs at most five or six; only nearly antipodal lines, where the
// iteration stalls or oscillates, reach the cap.
constexpr int kMaxOmegaIterations = 40;

struct ReducedLatitude {
  double s, c;
};

ReducedLatitude Reduce(double phi, double oneMinusF) {
  const double s = oneMinusF * std::sin(phi), c = std::cos(phi);
  const double r = std::sqrt(s * s + c * c);
  return {s / r, c / r};
}

// The great circle of the auxiliary sphere for one value of omega.
struct AuxiliaryArc {
  double sSigma, cSigma, sigma;
  double sAlpha0, c2Alpha0;  // sin alpha0 and cos² alpha0
  double c2SigmaM;           // cos 2sigma_m, sigma_m the midpoint of the arc
};

AuxiliaryArc ArcFor(const ReducedLatitude& p1, const ReducedLatitude& p2, double sOmega, double cOmega) {
  AuxiliaryArc arc{};
  const double east = p2.c * sOmega, north = p1.c * p2.s - p1.s * p2.c * cOmega;
  arc.sSigma = std::sqrt(east * east + north * north);
  arc.cSigma = p1.s * p2.s + p1.c * p2.c * cOmega;
  arc.sigma = std::atan2(arc.sSigma, arc.cSigma);
  // On a meridian (or pole to pole) sin sigma may vanish; the arc then
  // crosses the equator at right angles.
  arc.sAlpha0 = arc.sSigma > 0 ? p1.c * p2.c * sOmega / arc.sSigma : 0.0;
  arc.c2Alpha0 = 1 - arc.sAlpha0 * arc.sAlpha0;
  arc.c2SigmaM = arc.c2Alpha0 > 0 ? arc.cSigma - 2 * p1.s * p2.s / arc.c2Alpha0 : 0.0;
  return arc;
}

// The ellipsoidal longitude difference that belongs to an arc: omega plus
// the published series in f (accurate to f³).
double LongitudeCorrection(const AuxiliaryArc& arc, double f) {
  const double C = f / 16 * arc.c2Alpha0 * (4 + f * (4 - 3 * arc.c2Alpha0));
  return (1 - C) * f * arc.sAlpha0 *
         (arc.sigma + C * arc.sSigma * (arc.c2SigmaM + C * arc.cSigma * (2 * arc.c2SigmaM * arc.c2SigmaM - 1)));
}

// sin 2x and sin 4x of an angle given by an unnormalised sine and cosine.
struct DoubleAngles {
  double s2, c2, s4;
};
DoubleAngles DoubleAnglesOf(double s, double c) {
  const double r2 = s * s + c * c;
  if (!(r2 > 0)) return {0, 1, 0};
  const double s2 = 2 * s * c / r2, c2 = (c * c - s * s) / r2;
  return {s2, c2, 2 * s2 * c2};
}

// Length of the arc: b·(A·dsigma + B·(sin 2sigma2 − sin 2sigma1) +
// C·(sin 4sigma2 − sin 4sigma1)), the integral of √(1 + u²·sin²sigma)
// expanded to u⁶.
double ArcLength(const AuxiliaryArc& arc, const ReducedLatitude& p1, const ReducedLatitude& p2, double cOmega,
                 double b, double eps) {
  const double u2 = eps * arc.c2Alpha0, u4 = u2 * u2, u6 = u4 * u2;
  const double A = 1 + u2 / 4 - 3 * u4 / 64 + 5 * u6 / 256;
  const double B = u4 / 32 - u2 / 8 - 15 * u6 / 1024;
  const double C = 3 * u6 / 1024 - u4 / 256;
  // tan sigma1 = tan beta1 / cos alpha1, alpha1 the azimuth of the arc.
  const double cAlpha1SSigma = p1.c * p2.s - p1.s * p2.c * cOmega;
  const DoubleAngles at1 = DoubleAnglesOf(p1.s * arc.sSigma, p1.c * cAlpha1SSigma);
  const DoubleAngles arc2 = DoubleAnglesOf(arc.sSigma, arc.cSigma);
  const double s2Sigma2 = at1.s2 * arc2.c2 + at1.c2 * arc2.s2;
  const double c2Sigma2 = at1.c2 * arc2.c2 - at1.s2 * arc2.s2;
  const double s4Sigma2 = 2 * s2Sigma2 * c2Sigma2;
  return b * (A * arc.sigma + B * (s2Sigma2 - at1.s2) + C * (s4Sigma2 - at1.s4));
}

// Azimuth of the normal section from the first point towards the second,
// from tan phi2, the longitude difference and nu1/nu2 with 1 − e²; both
// components are scaled by cos phi2 so that a pole as second point needs no
// special case.
double NormalSectionAzimuth(double es, double sPhi1, double cPhi1, double sPhi2, double cPhi2, double sDlam,
                            double cDlam, double nuRatio) {
  const double east = cPhi2 * sDlam;
  const double north = cPhi1 * ((1 - es) * sPhi2 + es * nuRatio * sPhi1) - sPhi1 * cPhi2 * cDlam;
  return FullTurn(std::atan2(east, north));
}

}  // namespace

bool AuxiliarySphereInverse(const CSpheroid& ellipsoid, double lat1, double lon1, double lat2, double lon2,
                            double& distance, double& azimuth) {
  const double a = ellipsoid.a, b = ellipsoid.b;
  const SpheroidConstants& k = ellipsoid.derived;
  const double dlam = NormalizedDifference(lon2 - lon1);
  if (lat1 == 0 && lat2 == 0) {
    distance = a * std::fabs(dlam);
    azimuth = dlam >= 0 ? kPi / 2 : 3 * kPi / 2;
    return true;
  }
  const double sPhi1 = std::sin(lat1), cPhi1 = std::cos(lat1);
  const double sPhi2 = std::sin(lat2), cPhi2 = std::cos(lat2);
  const double sDlam = std::sin(dlam), cDlam = std::cos(dlam);
  const double nuRatio = std::sqrt((1 - k.es * sPhi2 * sPhi2) / (1 - k.es * sPhi1 * sPhi1));
  azimuth = NormalSectionAzimuth(k.es, sPhi1, cPhi1, sPhi2, cPhi2, sDlam, cDlam, nuRatio);

  const double oneMinusF = 1 - k.f;
  const ReducedLatitude p1 = Reduce(lat1, oneMinusF), p2 = Reduce(lat2, oneMinusF);
  double omega = dlam, sOmega = sDlam, cOmega = cDlam;
  AuxiliaryArc arc = ArcFor(p1, p2, sOmega, cOmega);
  bool settled = false;
  for (int i = 0; i < kMaxOmegaIterations && !settled; ++i) {
    const double next = dlam + LongitudeCorrection(arc, k.f);
    settled = !(std::fabs(next - omega) > kOmegaTolerance);
    omega = next;
    sOmega = std::sin(omega);
    cOmega = std::cos(omega);
    arc = ArcFor(p1, p2, sOmega, cOmega);
  }
  distance = ArcLength(arc, p1, p2, cOmega, b, k.eps);
  return settled;
}
