#pragma once
// A position as the turbine and boundary tables show it: latitude and
// longitude in degrees and decimal minutes to 4 decimals and, when the
// user has a grid, the easting and northing on it to the millimetre.

#include <string>
#include <vector>

#include "frame/XY.h"

class CDatum;

// Whether the tables show grid columns: a datum object is given and its
// family is not the geographicals-only one.
bool ShowsGridColumns(const CDatum* datum);

// Latitude and longitude, then easting and northing when `grid` is set.
std::vector<std::string> PositionCells(const tagXY& position, CDatum* grid);
