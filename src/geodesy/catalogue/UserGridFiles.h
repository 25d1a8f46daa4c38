#pragma once
// The user's own grids: PRJ files (GridFile.h) in the folder of the
// "Global" data package, found by listing "%s*.%s" and opened as
// "%s%s.%s" (folder, file title, extension).

#include <cstdint>
#include <string>
#include <vector>

#include "frame/Api.h"
#include "geodesy/userfile/UserFileFormat.h"

class CGridSystem;
class CSpheroid;

// What ReadGridFileKindOf answers for a file it cannot open or read: one
// past the last projection kind.
inline constexpr std::uint32_t kNoGridFileKind = 15;

// The user's grid files, in the order the folder lists them.
OVERLAYS_API std::vector<GlobalFile> ListGridFiles();

// Fills the grid from a file and recomputes its constants; the ellipsoid
// named in the file is looked up (CSpheroid::FindSpheroid) on ellipsoid,
// the grid's own, when one is given. A name and zone name both empty give
// the file's title as the name. A file that cannot be read, or whose kind
// and variant or numbers no grid can have, leaves the grid as it was and
// gives false.
OVERLAYS_API bool LoadGridFile(CGridSystem& grid, CSpheroid* ellipsoid, const std::string& path);
// The kind alone, or kNoGridFileKind.
OVERLAYS_API std::uint32_t ReadGridFileKindOf(const std::string& path);
