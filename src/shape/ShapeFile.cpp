#include "shape/ShapeFile.h"

#include "shape/ShapeFileHooks.h"

bool CShapeFile::Open(const std::string& path) {
  Close();
  SAHooks hooks = ModuleShapeHooks();
  handle_ = SHPOpenLL(path.c_str(), "rb", &hooks);
  return handle_ != nullptr;
}

void CShapeFile::Close() {
  if (handle_) SHPClose(handle_);
  handle_ = nullptr;
}

ShapeHeaderDef CShapeFile::Header() const {
  ShapeHeaderDef header;
  if (handle_)
    SHPGetInfo(handle_, &header.entityCount, &header.shapeType, header.boundsMin.data(), header.boundsMax.data());
  return header;
}

ShapeEntityDef CShapeFile::ReadEntity(std::int32_t index) const {
  ShapeEntityDef entity;
  if (!handle_) return entity;
  entity.object.reset(SHPReadObject(handle_, index));
  if (entity.object) entity.length = EntityLength(*entity.object);
  return entity;
}
