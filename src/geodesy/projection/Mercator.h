#pragma once
// Mercator, ellipsoidal, normal aspect (kind 5). The grid is true to scale
// along its latitude of origin, whatever scale factor was set: off the
// equator the scale factor becomes the one that makes it so; on it the
// set factor is kept but not used.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kMercator;
