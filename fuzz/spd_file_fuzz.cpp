// Any bytes as a user ellipsoid file: read it, derive the constants from
// whatever it holds and use them. Nothing may crash, read past the bytes,
// hang, or grow a name without bound.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "geodesy/datum/Geocentric.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/ellipsoid/SpheroidFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (!file) return 0;
  SpheroidFileDef def;
  const bool read = ReadSpheroidFile(file, def);
  std::fclose(file);
  if (!read) return 0;
  if (def.name.size() > 255 || def.qualifier.size() > 255) std::abort();

  CSpheroid s;
  s.a = def.a;
  s.b = def.b;
  s.invFlattening = def.invFlattening;
  s.DeriveSpheroid();
  double X, Y, Z, phi = 0.5, lam, h, distance, azimuth;
  GeographicToGeocentric(s, 0.9, 0.1, 100, X, Y, Z);
  GeocentricToGeographic(s, X, Y, Z, phi, lam, h);
  for (int method : {0, 1}) {
    s.method = method;
    s.GeodesicInverse(0.9, 0.1, 0.91, 0.13, &distance, &azimuth);
    s.GeodesicInverse(0.1, 0.0, -0.1, 3.1, &distance, &azimuth);
  }
  return 0;
}
