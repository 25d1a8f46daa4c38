#pragma once
// Kind 13: a UTM zone (31 to 35) on the International ellipsoid, then a
// fitted polynomial conversion into one of the eight axes of the Norwegian
// NGO 1948 grid. The variant is the axis index, 0 for "NGO (Axis I)" to 7
// for "NGO (Axis VIII)"; set-up writes its name into the grid's zone name.
//
// In zones 31 and 32 a point's region picks its axis whatever the variant
// (see ChooseNorwegianAxis), and the point's easting and northing are then
// that axis's: the zone name still names the variant's axis, and
// NorwegianAxisAt tells which axis a point was given in.
//
// Accuracy: the fits' residuals (at most a few millimetres, stated in
// NorwegianAxesTable.cpp) on top of the Transverse Mercator series' (2.5 mm
// at 3° from the central meridian). The grid computes nothing (false, the
// outputs untouched) outside Norway's area of use within the zone, for an
// axis whose area lies away from the zone, on another ellipsoid, or for a
// grid whose origin is not the UTM zone's.

#include "geodesy/projection/NorwegianAxesTable.h"
#include "geodesy/projection/ProjectionKind.h"

extern const ProjectionOperations kNorwegianAxes;

// The axis and reduction a UTM position uses. variantAxis 0..7.
struct NorwegianAxisChoice {
  int axis;               // 0 = "Axis I"
  double originNorthing;  // the reduced northing is N − originNorthing, metres
};
NorwegianAxisChoice ChooseNorwegianAxis(int zone, int variantAxis, double easting, double northing);

// "NGO (Axis I)" .. "NGO (Axis VIII)"; null beyond 0..7.
const char* NorwegianAxisName(int axis);

// The fitted conversion that serves a UTM position of a zone, or null where
// the grid has none.
const NorwegianAxisFitDef* NorwegianAxisFitAt(int zone, int variantAxis, double easting, double northing);

// The axis (0..7) a position in radians is projected into on a kind-13
// grid, or −1 where the grid gives no numbers for it.
int NorwegianAxisAt(const CGridSystem& grid, double phi, double lam);
