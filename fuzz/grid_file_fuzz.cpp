// Any bytes as a user grid file: read it, read its kind alone, and when
// the reader takes it, project a point both ways through the grid it
// describes. Nothing may crash, read past the bytes, hang, or grow a name
// without bound.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "geodesy/catalogue/GridFile.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/ProjectionKind.h"

namespace {

std::FILE* Open(const std::uint8_t* data, std::size_t size) {
  return fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  std::FILE* file = Open(data, size);
  if (!file) return 0;
  std::uint32_t kind = 0;
  ReadGridFileKind(file, kind);
  std::fclose(file);

  file = Open(data, size);
  if (!file) return 0;
  GridFileDef def;
  const bool read = ReadGridFile(file, def);
  std::fclose(file);
  if (!read || !FindProjectionKind(def.kind, def.variant)) return 0;
  for (const std::string* line : {&def.name, &def.zoneName, &def.ellipsoidName, &def.ellipsoidQualifier})
    if (line->size() > 255) std::abort();

  CSpheroid ellipsoid;
  ellipsoid.SelectSpheroid(26);
  CGridSystem grid;
  grid.spheroid = &ellipsoid;
  grid.kind = def.kind;
  grid.variant = def.variant;
  grid.lat1 = def.lat1;
  grid.lat2 = def.lat2;
  grid.SetOrigin(def.falseNorthing, def.scale, def.lat0, def.lon0, def.falseEasting);
  double e = 0, n = 0, gamma = 0, k = 0, lat = 0.5, lon = 0;
  grid.Forward(0.9, 0.1, &e, &n, &gamma, &k);
  grid.Inverse(e, n, &lat, &lon, &gamma, &k);
  return 0;
}
