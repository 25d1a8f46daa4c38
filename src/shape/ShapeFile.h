#pragma once
// An open .shp/.shx pair, read through the shapefile library with the
// module's file hooks (ShapeFileHooks.h). Both a synchronous load and the
// loading worker read entity by entity through one of these.

#include <array>
#include <cstdint>
#include <string>

#include <shapefil.h>

#include "shape/ShapeEntityDef.h"

// The main header's summary as the library reports it.
struct ShapeHeaderDef {
  std::int32_t entityCount = 0;
  std::int32_t shapeType = 0;         // SHPT_*
  std::array<double, 4> boundsMin{};  // x, y, z, m
  std::array<double, 4> boundsMax{};
};

class CShapeFile {
 public:
  CShapeFile() = default;
  ~CShapeFile() { Close(); }
  CShapeFile(const CShapeFile&) = delete;
  CShapeFile& operator=(const CShapeFile&) = delete;

  // Opens the pair of a Windows path given with or without its extension
  // (the library's naming rule, upper-case fallbacks included), read-only.
  // False when either file cannot be opened or is not a shapefile.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return handle_ != nullptr; }

  ShapeHeaderDef Header() const;
  // Entity `index` with its length; an empty object for an index out of
  // range or an entity the library finds corrupt.
  ShapeEntityDef ReadEntity(std::int32_t index) const;

 private:
  SHPHandle handle_ = nullptr;
};
