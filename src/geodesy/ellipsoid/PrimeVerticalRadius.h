#pragma once
// The radius of curvature in the prime vertical, nu = a/√(1 − e²·sin²phi)
// (metres), which the geocentric conversion and the geodesic methods share.

#include <cmath>

// 0 where the radicand is not positive, which only a nonsensical e² ≥ 1 can
// give, so that callers see zero coordinates rather than NaN.
inline double PrimeVerticalRadius(double a, double es, double sinPhi) {
  const double w = 1 - es * sinPhi * sinPhi;
  return w > 0 ? a / std::sqrt(w) : 0.0;
}
