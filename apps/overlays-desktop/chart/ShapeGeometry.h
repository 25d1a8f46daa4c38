#pragma once
// The vertices of a shapefile entity on the chart's plane, part by part, as
// the shapefile library hands them out.

#include <QPointF>
#include <QPolygonF>

#include <functional>
#include <vector>

#include <shapefil.h>

namespace chart {

// Where a vertex of the file (x, y in the file's own terms) lies on the plane.
using VertexToPlane = std::function<QPointF(double x, double y)>;

enum class ShapeKind { Points, Lines, Polygons, Other };
// The kind of drawing a shape type (SHPT_*) takes, Z and M types included.
ShapeKind KindOfShapeType(int shapeType);

// Each part of the entity as a plane polyline; a part whose bounds lie
// outside the vertex arrays (a damaged record) is left out. A part that
// crosses the antimeridian (one step longer than half the plane's
// `worldWidth`) is cut there, so that it does not streak across the chart.
std::vector<QPolygonF> PartsOnPlane(const SHPObject& object, const VertexToPlane& toPlane, double worldWidth);

}  // namespace chart
