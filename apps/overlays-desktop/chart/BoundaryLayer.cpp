#include "chart/BoundaryLayer.h"

#include "chart/ChartDrawing.h"

namespace chart {

void BoundaryLayer::Draw(QPainter& painter, const ChartView& view) {
  if (boundaries_.display != 1) return;
  const QColor colour = ColourFromBgr(boundaries_.colour);
  for (const WindFarmBoundaryDef& farm : boundaries_.farms) {
    if (farm.outline.IsEmpty()) continue;
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(ScreenPolygon(farm.outline, view));
    if (boundaries_.label == 1)
      DrawLabel(painter, view.ScreenOf({farm.centre.y, farm.centre.x}), ScreenText(farm.name), colour);
  }
}

}  // namespace chart
