#pragma once
// Lambert Conformal Conic with two standard parallels (kind 6), in the two
// forms the module has always carried. The isometric-latitude form
// (variant 2) gives the grid convergence and point scale and sets the scale
// field to the scale on the central parallel asin n, the grid's least. The
// tan(pi/4 − phi/2) form (variant 1) gives 0 for both and sets the scale
// field to the point scale at lat0.
//
// The two forms are one projection: t = tan(pi/4 − phi/2)·((1 + e·sin phi)/
// (1 − e·sin phi))^(e/2) is exp(−q), so their n, aF = K and r0 agree and one
// cone serves both. Equal parallels give the one-parallel cone, n = sin lat1.
//
// Accuracy against PROJ's lcc (closed form both ways): within 2e-8 m forward
// and inverse, on grids of continental size and 30° beyond; convergence and
// point scale agree with PROJ's numerical derivatives to theirs (1.5e-6",
// 2e-10).

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kLambertConformalConic;
extern const ProjectionOperations kLambertConformalConicTanForm;

// The cone through two standard parallels (radians) on an ellipsoid of
// semi-major axis a (any length unit) and eccentricity e: n = sin of the
// central parallel, and K, the radius of the equator, in a's unit.
struct LambertCone {
  double n = 0, K = 0;
};
LambertCone LambertConeThrough(double a, double e, double lat1, double lat2);
