#pragma once
// Small pieces shared by the geodesic methods.
//
// Notation: lam longitude, alpha azimuth (radians).

#include <cmath>
#include <numbers>

namespace geodesic {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2 * std::numbers::pi;

// A longitude difference brought into (−pi, pi].
inline double NormalizedDifference(double dlam) {
  if (dlam > kPi || dlam <= -kPi) dlam = std::remainder(dlam, kTwoPi);
  return dlam == -kPi ? kPi : dlam;
}

// An azimuth from atan2 brought into [0, 2pi); a tiny negative angle would
// round to 2pi itself, so it becomes 0.
inline double FullTurn(double alpha) {
  if (alpha >= 0) return alpha;
  alpha += kTwoPi;
  return alpha < kTwoPi ? alpha : 0.0;
}

}  // namespace geodesic
