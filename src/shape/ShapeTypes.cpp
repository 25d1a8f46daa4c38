#include "shape/ShapeTypes.h"

#include <array>

#include <shapefil.h>

namespace {

constexpr std::array kShapeTypes{
    ShapeTypeDef{SHPT_POINT, "Point", ShapeClass::Point, false},
    ShapeTypeDef{SHPT_ARC, "PolyLine", ShapeClass::Line, true},
    ShapeTypeDef{SHPT_POLYGON, "Polygon", ShapeClass::Polygon, true},
    ShapeTypeDef{SHPT_MULTIPOINT, "MultiPoint", ShapeClass::Point, false},
    ShapeTypeDef{SHPT_POINTZ, "PointZ", ShapeClass::Point, false},
    ShapeTypeDef{SHPT_ARCZ, "PolyLineZ", ShapeClass::Line, true},
    ShapeTypeDef{SHPT_POLYGONZ, "PolygonZ", ShapeClass::Polygon, true},
    ShapeTypeDef{SHPT_MULTIPOINTZ, "MultiPointZ", ShapeClass::Point, false},
    ShapeTypeDef{SHPT_POINTM, "PointM", ShapeClass::Point, false},
    ShapeTypeDef{SHPT_ARCM, "PolyLineM", ShapeClass::Line, true},
    ShapeTypeDef{SHPT_POLYGONM, "PolygonM", ShapeClass::Polygon, true},
    ShapeTypeDef{SHPT_MULTIPOINTM, "MultiPointM", ShapeClass::Point, false},
    ShapeTypeDef{SHPT_MULTIPATCH, "MultiPatch", ShapeClass::Uncounted, true},
};

}  // namespace

std::span<const ShapeTypeDef> ShapeTypeTable() { return kShapeTypes; }

std::optional<ShapeTypeDef> FindShapeType(std::int32_t code) {
  for (const ShapeTypeDef& row : kShapeTypes)
    if (row.code == code) return row;
  return std::nullopt;
}
