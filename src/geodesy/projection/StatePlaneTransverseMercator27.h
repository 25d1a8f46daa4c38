#pragma once
// US state plane Transverse Mercator zones of NAD27 (kind 12, variant 2) by
// the coast survey's formulas on Clarke 1866, in US survey feet handed out
// in metres. The grid's fields carry the zone's published definition:
// latitude and longitude of origin, scale on the central meridian, false
// easting and northing in metres (500 000 ft = 152 400.3048 m for most
// zones); the zone constants (the origin's arc, the offsets in feet) are
// derived from them at set-up. The grid's ellipsoid is not used: the
// formulas are Clarke 1866's own.
//
// Accuracy against the exact Transverse Mercator on Clarke 1866 (PROJ's
// tmerc), on zones from 30° to 47.5° N within 1° to 1.3° of their meridian:
// within 7.8 mm forward (the easting's cube, with zone constants) and
// 0.4 mm inverse; convergence within 0.003", point scale within 1e-10.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kStatePlaneTransverseMercator27;
