#include "geodesy/catalogue/UserGridFiles.h"

#include <cmath>

#include "frame/PathText.h"
#include "geodesy/catalogue/GridFile.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/ProjectionKind.h"
#include "platform/fs/FileSystem.h"

namespace fs = platform::fs;

namespace {

// A kind and variant the module can name, and numbers a grid can hold: the
// rest would only give garbage later.
bool Plausible(const GridFileDef& def) {
  if (!FindProjectionKind(def.kind, def.variant)) return false;
  for (double v : {def.lat0, def.lon0, def.falseEasting, def.falseNorthing, def.scale, def.lat1, def.lat2})
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

std::vector<GlobalFile> ListGridFiles() { return ListGlobalFiles(kGridFileExtension); }

bool LoadGridFile(CGridSystem& grid, CSpheroid* ellipsoid, const std::string& path) {
  GridFileDef def;
  const fs::FilePtr stream = fs::OpenFile(path, "rb");
  if (!stream || !ReadGridFile(stream.get(), def) || !Plausible(def)) return false;
  if (ellipsoid) {
    ellipsoid->FindSpheroid(def.ellipsoidName.c_str(), def.ellipsoidQualifier.c_str());
    grid.spheroid = ellipsoid;
  }
  grid.title = GetPathTitle(path);
  grid.name = def.name.empty() && def.zoneName.empty() ? grid.title : def.name;
  grid.zoneName = def.zoneName;
  grid.kind = def.kind;
  grid.variant = def.variant;
  grid.lat1 = def.lat1;
  grid.lat2 = def.lat2;
  grid.SetOrigin(def.falseNorthing, def.scale, def.lat0, def.lon0, def.falseEasting);
  return true;
}

std::uint32_t ReadGridFileKindOf(const std::string& path) {
  std::uint32_t kind = kNoGridFileKind;
  const fs::FilePtr stream = fs::OpenFile(path, "rb");
  if (!stream || !ReadGridFileKind(stream.get(), kind)) return kNoGridFileKind;
  return kind;
}
