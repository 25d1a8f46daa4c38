#include "shape/ShapeFileList.h"

#include <utility>

void CShapeFileList::Append(std::unique_ptr<CShape> shape) {
  shapes_.push_back(std::move(shape));
  modified = 1;
}

void CShapeFileList::RemoveAt(std::size_t index) {
  if (index >= shapes_.size()) return;
  shapes_.erase(shapes_.begin() + static_cast<std::ptrdiff_t>(index));
  names.RemoveAt(index);
  if (current == static_cast<std::int32_t>(index)) --current;
}
