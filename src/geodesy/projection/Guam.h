#pragma once
// The first-order Cassini of Guam (kind 8): the easting is the arc of the
// point's parallel from the central meridian, the northing the meridional
// arc plus the first term of the offset along the meridian. The scale
// factor is not used; there is no convergence or point scale (both 0).
//
// Accuracy against PROJ's aeqd +guam: see tests/geodesy/ProjectionKinds7To10_test.cpp.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kFirstOrderCassini;
