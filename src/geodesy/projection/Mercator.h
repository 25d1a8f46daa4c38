#pragma once
// Mercator, ellipsoidal, normal aspect (kind 5). A grid whose latitude of
// origin is not 0 is true to scale along that parallel: its scale factor
// becomes the one that makes it so, whatever was set.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kMercator;
