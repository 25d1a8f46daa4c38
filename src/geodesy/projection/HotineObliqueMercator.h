#pragma once
// Hotine Oblique Mercator / Rectified Skew Orthomorphic (kind 11, and kind
// 12 variant 3). The grid's lat0 and lon0 are the projection centre and k0
// the scale on the initial line there; the two leading kind constants (as
// the oblique setters give them) are the azimuth of the initial line at
// the centre and the angle from the rectified to the skew grid, radians.
//
// Variant 0 measures u from the centre (the false origin is the centre)
// and rectifies by the fixed pair sin 0.8, cos 0.6 of its Borneo grids;
// variants 1 to 3 measure u from the natural origin, where the initial
// line crosses the aposphere's equator, and rectify by the given angle.

#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kHotineCentreOrigin;
extern const ProjectionOperations kHotineNaturalOrigin;
