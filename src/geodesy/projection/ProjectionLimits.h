#pragma once
// The iteration rules every projection kind shares.

#include "geodesy/angle/AngleUnits.h"

// Iterations stop once a step (or a miss) is within 0.001" of latitude,
// about 3 cm on the ground.
inline constexpr double kProjectionTolerance = kRadiansPerMilliArcSecond;
// An iteration still moving after this many steps has met a point outside
// the kind's domain; its latitude is given as 0.
inline constexpr int kMaxProjectionIterations = 100;
