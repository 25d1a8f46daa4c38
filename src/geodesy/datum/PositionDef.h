#pragma once
// One position as the geodesy hands it between the two sides of a datum
// transformation: on a grid, geographic and geocentric at once.
//
// Notation: lat, lon radians (east positive); X, Y, Z geocentric (metres);
// h ellipsoidal height (metres); convergence radians.

class CGridSystem;
class CSpheroid;

struct PositionDef {
  double easting = 0, northing = 0;  // metres
  double lon = 0, lat = 0;           // radians
  double X = 0, Y = 0, Z = 0;        // metres
  double height = 0;                 // ellipsoidal, metres
  double convergence = 0;            // radians
  double pointScale = 0;
};

// Every field of `p` from a latitude, longitude and height: X, Y, Z on the
// ellipsoid, easting, northing, convergence and point scale on the grid.
// Without a grid, or where it cannot project the point, the four grid
// values are 0 and the result is false; the rest is filled regardless.
bool FillPosition(PositionDef& p, double lat, double lon, double height, const CSpheroid& ellipsoid,
                  const CGridSystem* grid);
