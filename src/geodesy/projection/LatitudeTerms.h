#pragma once
// The trigonometry and radii of curvature of one latitude, worked out once
// for every kind so that none repeats them.
//
// Notation: phi latitude (radians); nu, rho the radii of curvature in the
// prime vertical and the meridian (metres).

class CSpheroid;

struct LatitudeTerms {
  double sinPhi = 0, cosPhi = 0, tanPhi = 0;
  double nu = 0;   // a/√(1 − e²·sin²phi)
  double rho = 0;  // a·(1 − e²)/(1 − e²·sin²phi)^1.5
};

// nu and rho are 0 where 1 − e²·sin²phi is not positive, which only a
// nonsensical e² ≥ 1 gives, so that callers see zeros rather than NaN.
LatitudeTerms LatitudeTermsAt(const CSpheroid& s, double phi);
