#pragma once
// The label texts of a shapefile's entities: the values of one attribute
// field of the .dbf beside it, read through the shapefile library.

#include <QString>

#include <string>
#include <vector>

namespace chart {

// One text an entity, in file order, of field `column` of the .dbf beside
// the shapefile at a Windows path (with or without ".shp"), for at most
// `entities` entities; none when the file or the field is not there.
std::vector<QString> ReadShapeLabels(const std::string& shapePath, int column, int entities);

}  // namespace chart
