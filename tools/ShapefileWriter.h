#pragma once
// Writes shapefiles through shapelib's own writer (SHPCreate,
// SHPWriteObject, DBFCreate), so that the files the module reads in tests,
// fuzz seeds and benchmarks come from an independent writer rather than
// from our reader's assumptions.

#include <filesystem>
#include <string>
#include <vector>

namespace tools {

struct ShapefileEntity {
  std::vector<int> partStarts;  // empty for one part (or a point type)
  std::vector<double> x, y;     // z and m are written as 0
};

// Writes `base`.shp and `base`.shx (host path without extension) of one
// shape type; throws std::runtime_error when they cannot be written.
void WriteShapefile(const std::filesystem::path& base, int shapeType, const std::vector<ShapefileEntity>& entities);

// Writes `base`.dbf with one character field per name (width 10) and the
// given records, one text per field; throws std::runtime_error when it
// cannot be written.
void WriteAttributeTable(const std::filesystem::path& base, const std::vector<std::string>& fieldNames,
                         const std::vector<std::vector<std::string>>& records = {});

// Overwrites the 11 name bytes of field `index` of a .dbf, for names the
// writer would not make (blank padding, blank names).
void PatchFieldName(const std::filesystem::path& dbf, int index, const std::string& elevenBytes);

}  // namespace tools
