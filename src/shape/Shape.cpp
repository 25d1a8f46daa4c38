#include "shape/Shape.h"

#include <utility>

#include "geodesy/catalogue/GridCatalogue.h"
#include "shape/PrjScanner.h"

CShape::CShape() {
  StartNewGrid(projection, &ellipsoid);
  datum.farEllipsoid = &ellipsoid;
  datum.userGrid = &projection;
  // Family 0 row 0 makes the far ellipsoid a copy of WGS 1984.
  datum.SetDatum(0, 0, datum.Direction());
}

// Out of line, so that a host deleting a shape needs no shapefile library
// of its own: the entities are released inside the module.
CShape::~CShape() = default;

bool CShape::Load() {
  RemoveAllEntities();
  ReadProjection();
  attributes.SetFile(path);
  attributes.ReadFields();
  CShapeFile file;
  if (!file.Open(path)) return false;
  CopyHeader(file.Header());
  // The count is the index's, which cannot claim more records than its
  // file holds (ShapeFileHooks.h).
  entities_.reserve(static_cast<std::size_t>(entityCount.load()));
  for (std::int32_t i = 0; i < entityCount; ++i) AppendEntity(file.ReadEntity(i));
  file.Close();
  if (!ReadShapeDisplay(path, display)) hostFlag = 0;
  return true;
}

bool CShape::ReadHeader() {
  CShapeFile file;
  if (!file.Open(path)) return false;
  CopyHeader(file.Header());
  return true;
}

bool CShape::ReadProjection() {
  return ReadPrjFile(path, {datum.transformation.area, ellipsoid, projection, geographic});
}

void CShape::CopyHeader(const ShapeHeaderDef& header) {
  entityCount = header.entityCount;
  shapeType = header.shapeType;
  boundsMin = header.boundsMin;
  boundsMax = header.boundsMax;
}

void CShape::AppendEntity(ShapeEntityDef entity) {
  if (entity.object) entities_.push_back(std::move(entity));
}
