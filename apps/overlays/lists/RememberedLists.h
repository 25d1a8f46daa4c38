#pragma once
// The overlay files a host had loaded when it last ran, as the module's
// file selectors remember them in the settings folder, and the lists
// filled from them again at start.

#include <functional>
#include <string>
#include <vector>

#include "kml/KMLFileList.h"
#include "shape/ShapeFileList.h"

namespace host {

// The paths a file selector's remembered-names file in the settings folder
// holds, in order; none when there is no such file.
std::vector<std::string> RememberedPaths(const char* listName);

// Every remembered archive loaded again, as the selector adds one. One that
// no longer loads is left out (and so forgotten at the next save);
// `leftOut` hears of it with what its load met.
void RestoreKmlFiles(CKMLFileList& list,
                     const std::function<void(const std::string& path, const KMLLoadOutcome& outcome)>& leftOut);
// The remembered shapefiles loaded as the selector loads them, likewise.
void RestoreShapeFiles(CShapeFileList& list, const std::function<void(const std::string& path)>& leftOut);

}  // namespace host
