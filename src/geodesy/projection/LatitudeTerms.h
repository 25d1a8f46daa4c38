#pragma once
// The trigonometry and radii of curvature of one latitude, worked out once
// for every kind so that none repeats them.
//
// Notation: phi latitude (radians); nu, rho the radii of curvature in the
// prime vertical and the meridian (metres).

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"

struct LatitudeTerms {
  double sinPhi = 0, cosPhi = 0, tanPhi = 0;
  double nu = 0;   // a/√(1 − e²·sin²phi)
  double rho = 0;  // a·(1 − e²)/(1 − e²·sin²phi)^1.5
};

// nu and rho are 0 where 1 − e²·sin²phi is not positive, which only a
// nonsensical e² ≥ 1 gives, so that callers see zeros rather than NaN.
// Inline: every projected point comes through here.
inline LatitudeTerms LatitudeTermsOf(const CSpheroid& s, double sinPhi, double cosPhi) {
  LatitudeTerms at;
  at.sinPhi = sinPhi;
  at.cosPhi = cosPhi;
  at.tanPhi = sinPhi / cosPhi;
  const double w = 1 - s.derived.es * sinPhi * sinPhi;
  if (w > 0) {
    // One division for both radii: it, not the sines, bounds the time.
    const double inverseRootW = 1 / std::sqrt(w);
    at.nu = s.a * inverseRootW;
    at.rho = at.nu * s.derived.oneMinusEs * inverseRootW * inverseRootW;
  }
  return at;
}

inline LatitudeTerms LatitudeTermsAt(const CSpheroid& s, double phi) {
  return LatitudeTermsOf(s, std::sin(phi), std::cos(phi));
}
