#pragma once
// What `shape read` and `shape load` print of a loaded shapefile.

#include <string>

class CShape;

namespace host {

inline constexpr char kShapePairUnreadable[] =
    "its .shp and .shx do not both open as a shapefile (missing, unreadable or corrupt header)";

// As text (header, projection, fields, length) or as GeoJSON ("geojson").
void PrintShape(CShape& shape, const std::string& format);

}  // namespace host
