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

// omega is found by Newton steps whose slope keeps only the leading term in
// f, so each step leaves about f²·|step| of error (plus f/sigma·step²,
// smaller still). Once a step is below 1e-7 rad the value it reaches is
// within about 1e-12 rad (6 micrometres on the ground) of the root.
constexpr double kOmegaTolerance = 1e-7;
// A settling line needs two or three steps; only nearly antipodal lines,
// where the iteration stalls or oscillates, reach the cap.
constexpr int kMaxOmegaIterations = 40;
// Steps of omega and sigma up to this size are taken by short series
// instead of sin, cos and atan2: the first step is at most about f·pi ≈
// 0.0105 rad, and the terms left out below are then under 1e-17.
constexpr double kSmallAngle = 0.02;
// The last step (below kOmegaTolerance) moves the arc to first order only
// when the second-order terms, about step²/sigma, stay below 1e-15 rad.
constexpr double kLinearStepFactor = 1e-15;

// tan beta = (1 − f)·tan phi; since (1 − f)² = 1 − e², the norm of
// ((1 − f)·sin phi, cos phi) is √(1 − e²·sin²phi) = a/nu, which the normal
// section needs too.
struct ReducedLatitude {
  double s, c;
  double rootW;  // √(1 − e²·sin²phi)
};

ReducedLatitude Reduce(double sPhi, double cPhi, double oneMinusF, double es) {
  const double rootW = std::sqrt(1 - es * sPhi * sPhi);
  const double r = 1 / rootW;
  return {oneMinusF * sPhi * r, cPhi * r, rootW};
}

// sin and cos of x + d from those of x, for a small step d.
void Rotate(double& sx, double& cx, double d) {
  const double d2 = d * d;
  const double sd = d * (1 - d2 / 6 * (1 - d2 / 20));
  const double cd = 1 - d2 / 2 * (1 - d2 / 12 * (1 - d2 / 30));
  const double s = sx * cd + cx * sd;
  cx = cx * cd - sx * sd;
  sx = s;
}

// asin x for small x.
double SmallAsin(double x) {
  const double x2 = x * x;
  return x * (1 + x2 * (1.0 / 6 + x2 * (3.0 / 40 + x2 * (5.0 / 112 + x2 * 35.0 / 1152))));
}

// The great circle of the auxiliary sphere for one value of omega.
struct AuxiliaryArc {
  double sSigma, cSigma, sigma;
  double invSSigma;          // 1/sin sigma, 0 where sin sigma vanishes
  double sAlpha0, c2Alpha0;  // sin alpha0 and cos² alpha0
  double c2SigmaM;           // cos 2sigma_m, sigma_m the midpoint of the arc
};

void CompleteArc(AuxiliaryArc& arc, const ReducedLatitude& p1, const ReducedLatitude& p2, double sOmega) {
  // On a meridian (or pole to pole) sin sigma may vanish; the arc then
  // crosses the equator at right angles.
  arc.invSSigma = arc.sSigma > 0 ? 1 / arc.sSigma : 0.0;
  arc.sAlpha0 = p1.c * p2.c * sOmega * arc.invSSigma;
  arc.c2Alpha0 = 1 - arc.sAlpha0 * arc.sAlpha0;
  arc.c2SigmaM = arc.c2Alpha0 > 0 ? arc.cSigma - 2 * p1.s * p2.s / arc.c2Alpha0 : 0.0;
}

void SinCosSigma(AuxiliaryArc& arc, const ReducedLatitude& p1, const ReducedLatitude& p2, double sOmega,
                 double cOmega) {
  const double east = p2.c * sOmega, north = p1.c * p2.s - p1.s * p2.c * cOmega;
  arc.sSigma = std::sqrt(east * east + north * north);
  arc.cSigma = p1.s * p2.s + p1.c * p2.c * cOmega;
}

// Short arcs (under about 125 km) take sigma from the series of asin,
// which is exact to rounding there and several times cheaper than atan2.
AuxiliaryArc ArcFor(const ReducedLatitude& p1, const ReducedLatitude& p2, double sOmega, double cOmega) {
  AuxiliaryArc arc{};
  SinCosSigma(arc, p1, p2, sOmega, cOmega);
  arc.sigma = arc.sSigma < kSmallAngle && arc.cSigma > 0 ? SmallAsin(arc.sSigma) : std::atan2(arc.sSigma, arc.cSigma);
  CompleteArc(arc, p1, p2, sOmega);
  return arc;
}

// The arc for an omega close to that of `near`: sigma moves by the small
// angle between the two, whose sine is the cross product of the two unit
// vectors (sin sigma, cos sigma), so no atan2 is needed.
AuxiliaryArc ArcNear(const AuxiliaryArc& near, const ReducedLatitude& p1, const ReducedLatitude& p2, double sOmega,
                     double cOmega) {
  AuxiliaryArc arc{};
  SinCosSigma(arc, p1, p2, sOmega, cOmega);
  const double across = arc.sSigma * near.cSigma - arc.cSigma * near.sSigma;
  if (!(std::fabs(across) < kSmallAngle)) return ArcFor(p1, p2, sOmega, cOmega);
  arc.sigma = near.sigma + SmallAsin(across);
  CompleteArc(arc, p1, p2, sOmega);
  return arc;
}

// The ellipsoidal longitude difference that belongs to an arc: omega plus
// the published series in f (accurate to f³).
double LongitudeCorrection(const AuxiliaryArc& arc, double f) {
  const double C = f / 16 * arc.c2Alpha0 * (4 + f * (4 - 3 * arc.c2Alpha0));
  return (1 - C) * f * arc.sAlpha0 *
         (arc.sigma + C * arc.sSigma * (arc.c2SigmaM + C * arc.cSigma * (2 * arc.c2SigmaM * arc.c2SigmaM - 1)));
}

// d sin alpha0/d omega, from sin alpha0 = cos beta1·cos beta2·sin omega /
// sin sigma and d sigma/d omega = sin alpha0.
double SineAlpha0Slope(const AuxiliaryArc& arc, const ReducedLatitude& p1, const ReducedLatitude& p2,
                       double cOmega) {
  return (p1.c * p2.c * cOmega - arc.sAlpha0 * arc.sAlpha0 * arc.cSigma) * arc.invSSigma;
}

// d(omega + correction)/d omega to the leading order in f:
// f·(sigma·d sin alpha0/d omega + sin² alpha0). The slope is only needed to
// about f relative, which is what makes the Newton step leave an error of
// order f²·step.
double CorrectionSlope(const AuxiliaryArc& arc, double sAlpha0Slope, double f) {
  return f * (arc.sigma * sAlpha0Slope + arc.sAlpha0 * arc.sAlpha0);
}

// The arc moved to first order by a tiny step of omega: all that the length
// needs (sigma, its sine and cosine, cos² alpha0).
void MoveArcLinearly(AuxiliaryArc& arc, double sAlpha0Slope, double step) {
  const double dSigma = arc.sAlpha0 * step;
  arc.sigma += dSigma;
  const double s = arc.sSigma + arc.cSigma * dSigma;
  arc.cSigma -= arc.sSigma * dSigma;
  arc.sSigma = s;
  arc.sAlpha0 += sAlpha0Slope * step;
  arc.c2Alpha0 = 1 - arc.sAlpha0 * arc.sAlpha0;
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
  // (sin sigma, cos sigma) is a unit vector by construction.
  const DoubleAngles arc2{2 * arc.sSigma * arc.cSigma, arc.cSigma * arc.cSigma - arc.sSigma * arc.sSigma, 0};
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

struct OmegaSolution {
  AuxiliaryArc arc;
  double cOmega;
  bool settled;
};

// Newton steps on omega = dlam + correction(omega), starting from the
// ellipsoidal longitude difference; small steps move sin and cos of omega
// and the arc by series rather than by fresh sin, cos and atan2 calls.
OmegaSolution SettleOmega(const ReducedLatitude& p1, const ReducedLatitude& p2, double dlam, double sDlam,
                          double cDlam, double f) {
  double omega = dlam, sOmega = sDlam, cOmega = cDlam;
  AuxiliaryArc arc = ArcFor(p1, p2, sOmega, cOmega);
  bool settled = false;
  for (int i = 0; i < kMaxOmegaIterations && !settled; ++i) {
    const double residual = dlam + LongitudeCorrection(arc, f) - omega;
    const double sAlpha0Slope = SineAlpha0Slope(arc, p1, p2, cOmega);
    const double step = residual / (1 - CorrectionSlope(arc, sAlpha0Slope, f));
    settled = !(std::fabs(step) > kOmegaTolerance);
    omega += step;
    if (settled && step * step < kLinearStepFactor * arc.sigma) {
      Rotate(sOmega, cOmega, step);
      MoveArcLinearly(arc, sAlpha0Slope, step);
    } else if (std::fabs(step) < kSmallAngle) {
      Rotate(sOmega, cOmega, step);
      arc = ArcNear(arc, p1, p2, sOmega, cOmega);
    } else {
      sOmega = std::sin(omega);
      cOmega = std::cos(omega);
      arc = ArcFor(p1, p2, sOmega, cOmega);
    }
  }
  return {arc, cOmega, settled};
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
  const double oneMinusF = 1 - k.f;
  const ReducedLatitude p1 = Reduce(sPhi1, cPhi1, oneMinusF, k.es), p2 = Reduce(sPhi2, cPhi2, oneMinusF, k.es);
  const double nuRatio = p2.rootW / p1.rootW;
  azimuth = NormalSectionAzimuth(k.es, sPhi1, cPhi1, sPhi2, cPhi2, sDlam, cDlam, nuRatio);

  const OmegaSolution solved = SettleOmega(p1, p2, dlam, sDlam, cDlam, k.f);
  distance = ArcLength(solved.arc, p1, p2, solved.cOmega, b, k.eps);
  return solved.settled;
}
