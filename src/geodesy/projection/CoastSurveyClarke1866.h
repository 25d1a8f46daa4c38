#pragma once
// Clarke 1866 as the coast survey's NAD27 state plane tables have it, shared
// by the Lambert and Transverse Mercator zones: lengths in US survey feet,
// the meridional arc by an arc-second series and its inverse, the
// footpoint, by the rectifying angle.

#include <cmath>

#include "geodesy/angle/AngleUnits.h"

namespace coast_survey {

inline constexpr double kEs = 0.006768658;
inline constexpr double kAFeet = 20925832.16;
inline constexpr double kMetresPerFoot = 0.30480060960121924;
inline constexpr double kFeetPerMetre = 3.2808333333333333;
inline constexpr double kFeetPerArcSecondOfArc = 101.2794065;

// The arc-second correction of the meridional arc: M(phi) = 101.2794065·
// (phi″ − ArcCorrection·sin phi·cos phi) feet.
inline double ArcCorrection(double cosPhi) {
  const double c2 = cosPhi * cosPhi;
  return 1052.893882 - (4.483344 - 0.02352 * c2) * c2;
}

// The rectifying angle omega″ = M/101.2794065 of a latitude, arc-seconds.
inline double RectifyingArcSeconds(double phi, double sinPhi, double cosPhi) {
  return phi * kArcSecondsPerRadian - ArcCorrection(cosPhi) * sinPhi * cosPhi;
}

// The latitude of a rectifying angle omega (radians): phi″ = omega″ +
// (1047.54671 + (6.19276 + 0.050912·cos²omega)·cos²omega)·sin omega·cos omega.
inline double LatitudeOfRectifying(double omega) {
  const double sinW = std::sin(omega), cosW = std::cos(omega), c2 = cosW * cosW;
  return omega + (1047.54671 + (6.19276 + 0.050912 * c2) * c2) * sinW * cosW * kRadiansPerArcSecond;
}

}  // namespace coast_survey
