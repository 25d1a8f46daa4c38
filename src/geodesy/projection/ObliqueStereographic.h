#pragma once
// Oblique Stereographic (kind 9, variants 0 and 1): the ellipsoid mapped
// conformally onto a sphere of radius √(rho0·nu0) (the conformal sphere of
// the double projection), then that sphere stereographically from the
// origin. Closed form forward; the inverse recovers the latitude from its
// isometric latitude by Newton steps (IsometricLatitude.h). No convergence
// or point scale (both 0).
//
// Accuracy against PROJ's sterea: see tests/geodesy/ProjectionKinds7To10_test.cpp.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kObliqueStereographic;
