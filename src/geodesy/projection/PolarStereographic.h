#pragma once
// Polar Stereographic (kind 9, variant 2), about the north or the south
// pole. With a standard parallel (lat2, else lat1) the grid is true to
// scale along it, the parallel's sign picks the pole and the scale factor
// becomes the one that makes it so; without one the sign of lat0 picks the
// pole and the set scale factor holds at it. Northings count from lat0 on
// the central meridian (from the pole when lat0 is ±90°). Closed form both
// ways; no convergence or point scale (both 0).
//
// Accuracy against PROJ's stere: see tests/geodesy/ProjectionKinds7To10_test.cpp.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kPolarStereographic;
