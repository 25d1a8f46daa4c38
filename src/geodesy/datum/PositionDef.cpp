#include "geodesy/datum/PositionDef.h"

#include "geodesy/datum/Geocentric.h"
#include "geodesy/projection/GridSystem.h"

bool FillPosition(PositionDef& p, double lat, double lon, double height, const CSpheroid& ellipsoid,
                  const CGridSystem* grid) {
  p.lat = lat;
  p.lon = lon;
  p.height = height;
  GeographicToGeocentric(ellipsoid, lat, lon, height, p.X, p.Y, p.Z);
  double easting = 0, northing = 0, convergence = 0, pointScale = 0;
  const bool projected = grid && grid->Forward(lat, lon, &easting, &northing, &convergence, &pointScale);
  // A failed projection may have written some outputs; none of them stand.
  if (!projected) easting = northing = convergence = pointScale = 0;
  p.easting = easting;
  p.northing = northing;
  p.convergence = convergence;
  p.pointScale = pointScale;
  return projected;
}
