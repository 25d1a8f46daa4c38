#pragma once
// One row of a named grid list, as the catalogue's data files hold it:
// angles in degrees, lengths in metres, and the EPSG code of the projected
// CRS whose conversion the row carries (0 where EPSG has none), so that any
// row can be checked against PROJ's copy of the EPSG dataset.

#include <cstdint>

// The ellipsoid row of a grid that leaves the grid's own ellipsoid alone.
inline constexpr int kNoEllipsoid = -1;

struct GridParameters {
  int ellipsoid = kNoEllipsoid;  // row of the ellipsoid table
  std::uint32_t variant = 0;     // method within the projection kind
  double lat0 = 0, lon0 = 0;     // origin (the centre for the oblique kinds), degrees
  double falseEasting = 0, falseNorthing = 0;  // metres
  double scale = 1;              // k0
  double lat1 = 0, lat2 = 0;     // standard parallels, degrees
  double azimuth = 0, skew = 0;  // oblique kinds: initial line at the centre, rectifying angle, degrees
};

struct GridRowDef {
  int epsg;  // projected CRS, 0 for none
  const char* name;
  const char* zoneName;
  GridParameters parameters;
  // False for a grid whose definition we could not find published: the
  // row keeps its place and names, but no numbers are made up for it.
  bool published = true;
};
