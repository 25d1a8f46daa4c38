#pragma once
// Lambert Conic Near-Conformal (kind 6, variant 0): the one-parallel
// Lambert conic as a series in the meridional distance s from lat0, the
// form the older French-colonial grids were computed in. The module carries
// the radius series to s⁵ and the point scale to s⁵; the grids that cut
// the series at s³ (EPSG method 9817, e.g. the Levant zone) differ from it
// by B·s⁴ + C·s⁵, 1.2 m at 320 km from lat0.
//
// Accuracy against the exact one-parallel conic (PROJ's lcc with lat_1 =
// lat_0), the truncation after s⁵, both ways: 0.07 mm within 1.5° of
// latitude from lat0, 3.4 mm within 3°, 0.24 m at 6°; point scale within
// 4e-9 at 3°. Convergence is exact.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kLambertNearConformal;

// The one-parallel conformal conic about a parallel with radii nu and rho
// (any length unit) and t = its tangent: M/k0 = s + A·s³ + B·s⁴ + C·s⁵
// and k/k0 = 1 + 3A·s² + 4B·s³ + 5C·s⁴ + scaleS5·s⁵ in the meridional
// distance s north of it, in the same unit.
struct ConformalConicSeries {
  double A = 0, B = 0, C = 0, scaleS5 = 0;
};
ConformalConicSeries ConformalConicSeriesAt(double nu, double rho, double t);
