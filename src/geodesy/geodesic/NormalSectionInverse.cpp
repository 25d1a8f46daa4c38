// Notation: phi latitude, lam longitude (radians); nu radius of curvature in
// the prime vertical; es = e², eps = e′²; psi2 the latitude of the second
// point seen from the point where the first point's normal meets the polar
// axis, T = tan psi2; sigma the angle between both points seen from there.

#include "geodesy/geodesic/NormalSectionInverse.h"

#include <cmath>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/PrimeVerticalRadius.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/geodesic/GeodesicMath.h"

namespace {

using namespace geodesic;

// Differences below 0.001 arc-second (3 cm) are taken as none, so that a
// nearly north-south or east-west line gets an exact cardinal azimuth.
constexpr double kDifferenceTolerance = kRadiansPerMilliArcSecond;
// Below this |sin alpha| the central angle comes from the north component,
// whose division by cos alpha is then well conditioned.
constexpr double kSmallSineOfAzimuth = 0.0005;

double RoundedToZero(double d) { return std::fabs(d) < kDifferenceTolerance ? 0.0 : d; }

// atan of east/north turned into [0, 2pi): a negative angle gets pi, and a
// westward line pi more. A line due south gives atan(0/D) = −0 for D < 0;
// counting that zero as negative turns it to pi instead of north.
double AzimuthOf(double sDlam, double D, double dlam) {
  double alpha = std::atan(sDlam / D);
  if (std::signbit(alpha)) alpha += kPi;
  if (dlam < 0) alpha += kPi;
  return alpha;
}

}  // namespace

bool NormalSectionInverse(const CSpheroid& ellipsoid, double lat1, double lon1, double lat2, double lon2,
                          double& distance, double& azimuth) {
  const SpheroidConstants& k = ellipsoid.derived;
  const double dphi = RoundedToZero(lat2 - lat1);
  const double dlam = RoundedToZero(NormalizedDifference(lon2 - lon1));
  if (dphi == 0 && dlam == 0) return true;
  if (dphi == 0) lat2 = lat1;
  const double sPhi1 = std::sin(lat1), cPhi1 = std::cos(lat1);
  const double sPhi2 = std::sin(lat2), cPhi2 = std::cos(lat2);
  const double sDlam = std::sin(dlam), cDlam = std::cos(dlam);
  const double nu1 = PrimeVerticalRadius(ellipsoid.a, k.es, sPhi1);
  const double nu2 = PrimeVerticalRadius(ellipsoid.a, k.es, sPhi2);

  const double T = (nu2 * (1 - k.es) * sPhi2 + k.es * nu1 * sPhi1) / (nu2 * cPhi2);
  const double D = T * cPhi1 - cDlam * sPhi1;
  const double alpha = AzimuthOf(sDlam, D, dlam);
  const double sAlpha = std::sin(alpha), cAlpha = std::cos(alpha);
  const double cPsi2 = 1 / std::sqrt(1 + T * T);
  const double sigma = std::fabs(sAlpha) > kSmallSineOfAzimuth ? std::asin(cPsi2 * sDlam / sAlpha)
                                                                : std::asin(cPsi2 * D / cAlpha);
  // The arc nu1·sigma of that sphere, corrected for the ellipsoid to the
  // fourth power of sigma; R = nu1·sigma is the radius term of the series.
  const double R = nu1 * sigma;
  const double correction =
      sigma * sigma * k.eps / 2 * cAlpha * cPhi1 * (sigma * R * sPhi1 / 4 - cAlpha * cPhi1 * R / 3);
  distance = std::fabs(R + correction);
  azimuth = alpha;
  return true;
}
