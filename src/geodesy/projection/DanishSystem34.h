#pragma once
// Kind 14, the Danish System 34: Transverse Mercator (UTM zone 32 on the
// International ellipsoid, as the grid sets it), then the published
// complex polynomial of the grid's region (its row: System34Tables.h). The inverse uses the published inverse polynomial,
// then the Transverse Mercator inverse.
//
// The grid's easting is System 34's x, counted westward, and its northing
// y, so that positions read as the agency writes them (both near 200 km at
// the origin point); the grid is mirrored against true east.
//
// Accuracy: the third-degree tables are a textbook's: measured once against
// the agency's own transformation (trlib, tcts_u.c: UTM to its TC32 by a
// degree-15 polynomial, then TC32 to System 34 by degree 13 or 9) inside
// that library's area polygons, Jylland is within 8 cm at the median,
// 0.41 m for 90 % of the area and 7.9 m at its south-east corner;
// Sjælland within 16 cm, 1.5 m and 27 m at the north-west corner. The
// forward and inverse sets undo each other within 1.4 mm over Jylland and
// 7.8 mm at Sjælland's far corners, and our evaluation of them matches
// PROJ's horner to the last bit. Our Transverse Mercator step
// (TransverseMercator.h) adds, against the exact UTM, up to 1.9 mm forward
// and 7.8 mm inverse over Jylland, 6.6 mm and 4.7 cm at the 4.3° from 9° E
// that Sjælland's area reaches.

#include "frame/XY.h"
#include "geodesy/projection/ProjectionKind.h"
#include "geodesy/projection/System34Tables.h"

extern const ProjectionOperations kDanishSystem34;

// The polynomial step alone, in one region: a UTM zone 32 position (x
// easting, y northing, metres) to System 34 (x counted westward, y) by the
// published forward set, and back by the published inverse set.
tagXY UtmToSystem34(const System34RegionDef& region, tagXY utm);
tagXY System34ToUtm(const System34RegionDef& region, tagXY system34);
