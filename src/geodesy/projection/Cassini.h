#pragma once
// Cassini-Soldner (kind 7) by the series of Snyder (1987), eqs. 13-5 to
// 13-12, with the origin's scale factor applied to the whole grid distance.
// It gives no convergence or point scale (both 0).
//
// Accuracy against PROJ's cass: see tests/geodesy/ProjectionKinds7To10_test.cpp.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kCassiniSoldner;
