#include "geodesy/projection/RectifyingFootpoint.h"

#include <cmath>

#include "geodesy/ellipsoid/Spheroid.h"

double RectifyingFootpoint(const CSpheroid& s, double m) {
  const SpheroidConstants& k = s.derived;
  const double mu = m / k.aA0;
  return mu + k.fp2 * std::sin(2 * mu) + k.fp4 * std::sin(4 * mu) + k.fp6 * std::sin(6 * mu) +
         k.fp8 * std::sin(8 * mu);
}
