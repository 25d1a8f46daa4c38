#include "chart/ShapeGeometry.h"

#include <cmath>

namespace chart {

ShapeKind KindOfShapeType(int shapeType) {
  switch (shapeType) {
    case SHPT_POINT: case SHPT_POINTZ: case SHPT_POINTM:
    case SHPT_MULTIPOINT: case SHPT_MULTIPOINTZ: case SHPT_MULTIPOINTM:
      return ShapeKind::Points;
    case SHPT_ARC: case SHPT_ARCZ: case SHPT_ARCM:
      return ShapeKind::Lines;
    case SHPT_POLYGON: case SHPT_POLYGONZ: case SHPT_POLYGONM: case SHPT_MULTIPATCH:
      return ShapeKind::Polygons;
    default:
      return ShapeKind::Other;
  }
}

std::vector<QPolygonF> PartsOnPlane(const SHPObject& object, const VertexToPlane& toPlane, double worldWidth) {
  std::vector<QPolygonF> parts;
  const int vertices = object.nVertices;
  if (vertices <= 0 || !object.padfX || !object.padfY) return parts;
  // A record without parts (points, multipoints) is one run of vertices.
  const bool hasParts = object.nParts > 0 && object.panPartStart;
  const int partCount = hasParts ? object.nParts : 1;
  for (int part = 0; part < partCount; ++part) {
    const int start = hasParts ? object.panPartStart[part] : 0;
    const int end = part + 1 < partCount ? object.panPartStart[part + 1] : vertices;
    if (start < 0 || end > vertices || start >= end) continue;
    QPolygonF polyline;
    for (int v = start; v < end; ++v) {
      const QPointF at = toPlane(object.padfX[v], object.padfY[v]);
      if (!polyline.isEmpty() && std::abs(at.x() - polyline.back().x()) > worldWidth / 2) {
        parts.push_back(std::move(polyline));
        polyline = QPolygonF();
      }
      polyline << at;
    }
    parts.push_back(std::move(polyline));
  }
  return parts;
}

}  // namespace chart
