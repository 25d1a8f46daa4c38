#pragma once
// What the status bar says of the position under the pointer: its
// latitude and longitude in the user's angle format and, when the host's
// datum object has a grid selected, its easting and northing on that grid.

#include <QString>

#include "chart/MercatorProjection.h"
#include "geodesy/datum/Datum.h"

namespace chart {

// "50°22.0000000'N  004°09.0000000'W" as the geographical settings say.
QString PositionText(const GeoPosition& position);
// "E 424000  N 51000" on the datum's grid; empty without a datum or with
// family −1 (latitude and longitude only); "E/N: off the grid" where the
// datum gives no grid position.
QString GridText(const GeoPosition& position, CDatum* datum);

}  // namespace chart
