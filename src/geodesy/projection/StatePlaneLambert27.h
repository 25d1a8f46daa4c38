#pragma once
// US state plane Lambert zones of NAD27 (kind 12, variant 1) by the coast
// survey's formulas: the meridional distance in feet from the zone's
// central parallel by an arc-second series on Clarke 1866, the cone radius
// as a polynomial in it, and grid coordinates in US survey feet, handed out
// in metres. The grid's fields carry the zone's published definition:
// standard parallels, latitude and longitude of origin, false easting and
// northing in metres (2 000 000 ft = 609 601.2192 m for most zones); the
// zone constants (l, Rb, L1 to L4) are derived from them at set-up. The
// grid's ellipsoid is not used: the formulas are Clarke 1866's own.
//
// Accuracy against the exact Lambert conic on Clarke 1866 (PROJ's lcc), on
// zones from 31° to 43° N and 1° beyond their parallels: within 0.22 mm
// forward and inverse (the arc-second series and the footpoint series);
// convergence exact, point scale within 5e-11.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kStatePlaneLambert27;
