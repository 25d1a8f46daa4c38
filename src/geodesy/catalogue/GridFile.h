#pragma once
// The user's grid files ("PRJ" in the "Global" data folder; not a
// shapefile's projection file): line 1 the grid's name, line 2 its zone
// name, lines 3 and 4 the ellipsoid's name and qualifier, then 64 bytes,
// little-endian: kind and variant (32-bit), lat0, lon0 (radians), false
// easting, false northing (metres), scale, lat1, lat2 (radians) as doubles.

#include <cstdint>
#include <cstdio>
#include <string>

inline constexpr char kGridFileExtension[] = "PRJ";

struct GridFileDef {
  std::string name, zoneName;
  std::string ellipsoidName, ellipsoidQualifier;
  std::uint32_t kind = 0, variant = 0;
  double lat0 = 0, lon0 = 0;
  double falseEasting = 0, falseNorthing = 0;
  double scale = 1;
  double lat1 = 0, lat2 = 0;
};

// Reads one file from its start. False when a line or the 64 bytes behind
// them are missing; the values are not checked here.
bool ReadGridFile(std::FILE* file, GridFileDef& out);
// Only the kind: the four lines skipped, then the first 32-bit value.
bool ReadGridFileKind(std::FILE* file, std::uint32_t& kind);
