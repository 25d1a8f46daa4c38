#pragma once
// American Polyconic (kind 10): every parallel is the arc of a circle of
// radius nu·cot phi, true to scale and centred on the central meridian,
// which is true to scale as well. The scale factor is not used. Forward in
// closed form; the inverse is Newton's method on the meridional arc
// (Snyder (1987), eqs. 18-19 to 18-21). The point scale is the meridian's
// (Snyder 18-17, 18-18); the convergence is not given (0).
//
// Accuracy against PROJ's poly: see tests/geodesy/ProjectionKinds7To10_test.cpp.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kAmericanPolyconic;
