#include "chart/ShapeLayer.h"

#include <algorithm>

#include "chart/ChartDrawing.h"
#include "chart/ScreenOccupancy.h"
#include "chart/ShapeGeometry.h"
#include "chart/ShapeLabels.h"
#include "platform/qt/QtImages.h"

namespace chart {
namespace {

// The drawing sizes the shape file selector offers, by their stored value.
struct DrawingSize {
  std::int16_t style;
  double lineWidth;   // pixels
  double pointWidth;  // pixels, the side of a point's square
};
constexpr DrawingSize kDrawingSizes[] = {{1, 1, 4}, {2, 2, 6}, {4, 3.5, 9}};
// Any other stored value shows as medium, as the selector shows it.
constexpr DrawingSize kMedium = kDrawingSizes[1];
// The fill lets the chart under a polygon show through.
constexpr int kFillAlpha = 96;
constexpr QSize kLabelCell(72, 14);

const DrawingSize& SizeOf(std::int16_t style) {
  for (const DrawingSize& size : kDrawingSizes)
    if (size.style == style) return size;
  return kMedium;
}

QPointF PlaceOf(const std::vector<QPolygonF>& parts, ShapeKind kind) {
  if (kind == ShapeKind::Polygons) {
    QRectF box;
    for (const QPolygonF& part : parts) box = box.isNull() ? part.boundingRect() : box.united(part.boundingRect());
    return box.center();
  }
  const QPolygonF& first = parts.front();
  return first[first.size() / 2];
}

VertexToPlane VertexConversion(CShape& shape, const MercatorProjection& projection) {
  if (shape.geographic) return [&](double x, double y) { return projection.ForwardDegrees(y, x); };
  // Eastings and northings come back to latitude and longitude through the
  // datum object the file's .prj set up.
  return [&](double x, double y) {
    const tagXY position = shape.datum.GridToLatLon({x, y});
    return projection.Forward(position.y, position.x);
  };
}

}  // namespace

ShapeLayer::Indexed& ShapeLayer::IndexOf(CShape& shape, const MercatorProjection& projection) {
  Indexed& geometry = indexed_[&shape];
  const std::int32_t count = shape.entityCount.load();
  if (geometry.entityCount == count && geometry.path == shape.path) return geometry;
  geometry = Indexed();
  geometry.entityCount = count;
  geometry.path = shape.path;
  const VertexToPlane toPlane = VertexConversion(shape, projection);
  for (const ShapeEntityDef& entity : shape.Entities()) {
    const ShapeKind kind = KindOfShapeType(entity.object->nSHPType);
    const std::vector<QPolygonF> parts = PartsOnPlane(*entity.object, toPlane, 2 * projection.EastLimit());
    geometry.labelPlaces.push_back(parts.empty() ? QPointF() : PlaceOf(parts, kind));
    for (const QPolygonF& part : parts) {
      if (kind == ShapeKind::Points) geometry.points.insert(geometry.points.end(), part.begin(), part.end());
      if (kind == ShapeKind::Lines || kind == ShapeKind::Polygons) geometry.outlines.Add(part);
      if (kind == ShapeKind::Polygons) geometry.rings.push_back(part);
    }
  }
  geometry.outlines.Build();
  geometry.pointIndex.Build(geometry.points);
  if (shape.display.labelMode != 0)
    geometry.labels = ReadShapeLabels(shape.path, shape.display.labelColumn, static_cast<int>(shape.Entities().size()));
  return geometry;
}

void ShapeLayer::Draw(QPainter& painter, const ChartView& view) {
  ForgetRemovedShapes();
  for (const auto& shape : shapes_.Shapes()) {
    if (!shape->display.status) continue;
    DrawShape(painter, view, *shape, IndexOf(*shape, view.Projection()));
  }
}

void ShapeLayer::ForgetRemovedShapes() {
  std::erase_if(indexed_, [&](const auto& entry) {
    return std::none_of(shapes_.Shapes().begin(), shapes_.Shapes().end(),
                        [&](const auto& shape) { return shape.get() == entry.first; });
  });
}

void ShapeLayer::DrawShape(QPainter& painter, const ChartView& view, const CShape& shape,
                           const Indexed& geometry) const {
  const QColor colour = platform::qt::QtColour(shape.display.colour);
  const DrawingSize& size = SizeOf(shape.display.style);
  const QRectF visible = view.VisiblePlane();
  if (shape.display.iconMode) {
    QColor fill = colour;
    fill.setAlpha(kFillAlpha);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    for (const QPolygonF& ring : geometry.rings) {
      if (!ring.boundingRect().intersects(visible)) continue;
      QPolygonF screen;
      for (const QPointF& p : ring) screen << view.ToScreen(p);
      painter.drawPolygon(screen);
    }
    painter.setBrush(Qt::NoBrush);
  }
  painter.setPen(QPen(colour, size.lineWidth));
  DrawPolylines(painter, geometry.outlines, view);
  const double half = size.pointWidth / 2;
  geometry.pointIndex.Visit(visible, view.MetresPerPixel(), size.pointWidth, [&](std::uint32_t i) {
    const QPointF at = view.ToScreen(geometry.points[i]);
    painter.fillRect(QRectF(at.x() - half, at.y() - half, size.pointWidth, size.pointWidth), colour);
  });
  if (view.MetresPerPixel() >= kPointLabelsFinerThan) return;
  ScreenOccupancy room(view.Viewport(), kLabelCell);
  for (std::size_t i = 0; i < geometry.labels.size() && i < geometry.labelPlaces.size(); ++i) {
    const QPointF at = view.ToScreen(geometry.labelPlaces[i]);
    if (!geometry.labels[i].isEmpty() && room.Claim(at)) DrawLabel(painter, at, geometry.labels[i], colour);
  }
}

}  // namespace chart
