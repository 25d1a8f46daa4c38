#include "geodesy/projection/LatitudeTerms.h"

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"

LatitudeTerms LatitudeTermsAt(const CSpheroid& s, double phi) {
  LatitudeTerms at;
  at.sinPhi = std::sin(phi);
  at.cosPhi = std::cos(phi);
  at.tanPhi = at.sinPhi / at.cosPhi;
  const double w = 1 - s.derived.es * at.sinPhi * at.sinPhi;
  if (w > 0) {
    at.nu = s.a / std::sqrt(w);
    at.rho = at.nu * s.derived.oneMinusEs / w;
  }
  return at;
}
