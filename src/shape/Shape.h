#pragma once
// One loaded shapefile: the entities of its .shp/.shx pair in file order
// (owned), its header summary, the coordinate reference of its .prj, the
// field names of its .dbf and its display settings.
//
// Lifecycle: construct, set `path`, Load (or let the loading worker run the
// same steps: ReadProjection, attributes, ReadHeader, then a CShapeFile read
// into AppendEntity), then hand the object to a CShapeFileList. The object
// is filled on one thread at a time; while a worker fills it, another
// thread may read only `entityCount`, which is atomic for that reason.
//
// The geodesy members are wired once at construction: the grid lies on the
// ellipsoid, and the datum object's far side is that ellipsoid and grid
// under family 0, so a projected file's eastings and northings come back to
// latitude and longitude through datum.GridToLatLon. Family 0 shifts no
// datum: a file on another datum (OSGB 1936, say) is drawn as if its
// latitudes and longitudes were WGS 1984 ones, some 100 m off.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "frame/Api.h"
#include "geodesy/datum/Datum.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "shape/Dbase.h"
#include "shape/ShapeDisplayDef.h"
#include "shape/ShapeEntityDef.h"
#include "shape/ShapeFile.h"

class OVERLAYS_API CShape {
 public:
  CShape();
  // Releases every entity (its arrays, then the record) before the members.
  ~CShape();
  CShape(const CShape&) = delete;
  CShape& operator=(const CShape&) = delete;

  // Reads the whole file: projection, field names, header and every entity
  // with its length, then the display settings. False, with no entities
  // and the header as it was, when the .shp/.shx pair cannot be opened.
  bool Load();
  // Opens the pair, copies its header summary and closes it; false as Load.
  bool ReadHeader();
  // The .prj beside the file (PrjScanner.h); false when there is none.
  bool ReadProjection();

  void CopyHeader(const ShapeHeaderDef& header);
  // Keeps an entity the library read; an empty one (a corrupt record) is
  // dropped, so every entity in the list has its object.
  void AppendEntity(ShapeEntityDef entity);
  void RemoveAllEntities() { entities_.clear(); }
  const std::vector<ShapeEntityDef>& Entities() const { return entities_; }

  // Declared before the datum object, which points at them, so that they
  // outlive it.
  CSpheroid ellipsoid;     // the .prj's SPHEROID; WGS 1984 until then
  CGridSystem projection;  // on `ellipsoid`; the .prj's PROJECTION
  CDatum datum;            // Area text from the .prj
  bool geographic = true;  // vertices are longitude and latitude in degrees
  std::string path;        // Windows path, with or without ".shp"
  std::atomic<std::int32_t> entityCount{0};
  std::int32_t shapeType = 0;
  std::array<double, 4> boundsMin{};  // x, y, z, m
  std::array<double, 4> boundsMax{};
  CDbase attributes;
  std::uint8_t hostFlag = 0;  // the host's; cleared when no settings file exists
  ShapeDisplayDef display;

 private:
  std::vector<ShapeEntityDef> entities_;
};
