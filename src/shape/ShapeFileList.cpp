#include "shape/ShapeFileList.h"

#include <utility>

void CShapeFileList::Append(std::unique_ptr<CShape> shape) {
  shapes_.push_back(std::move(shape));
  modified = 1;
}
