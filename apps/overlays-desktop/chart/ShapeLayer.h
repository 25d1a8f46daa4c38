#pragma once
// The host's loaded shapefiles, each with its display settings: shown or
// not, colour, drawing size (small, medium, large), filled polygons, and
// labels from the attribute field the settings name. Each file's geometry
// is indexed on the plane once, when the chart first meets it.

#include <QPolygonF>
#include <QString>

#include <map>
#include <string>
#include <vector>

#include "chart/ChartLayer.h"
#include "chart/PointIndex.h"
#include "chart/PolylineIndex.h"
#include "shape/ShapeFileList.h"

namespace chart {

class ShapeLayer : public ChartLayer {
 public:
  explicit ShapeLayer(CShapeFileList& shapes) : shapes_(shapes) {}
  const char* Name() const override { return "shapefiles"; }
  void Draw(QPainter& painter, const ChartView& view) override;

 private:
  // One file's geometry on the plane and its labels.
  struct Indexed {
    // What the file was when indexed: a shape loaded later at a freed
    // one's address must not take its geometry.
    std::int32_t entityCount = -1;
    std::string path;
    PolylineIndex outlines;         // lines, and polygon rings
    std::vector<QPolygonF> rings;   // polygon rings again, whole, for filling
    std::vector<QPointF> points;
    PointIndex pointIndex;
    std::vector<QPointF> labelPlaces;  // one an entity
    std::vector<QString> labels;       // empty when the file is not labelled
  };
  Indexed& IndexOf(CShape& shape, const MercatorProjection& projection);
  void ForgetRemovedShapes();
  void DrawShape(QPainter& painter, const ChartView& view, const CShape& shape, const Indexed& geometry) const;

  CShapeFileList& shapes_;
  std::map<const CShape*, Indexed> indexed_;
};

}  // namespace chart
