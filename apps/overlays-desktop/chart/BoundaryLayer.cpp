#include "chart/BoundaryLayer.h"

#include "chart/ChartDrawing.h"
#include "platform/qt/AnsiText.h"
#include "platform/qt/QtImages.h"

namespace chart {

void BoundaryLayer::Draw(QPainter& painter, const ChartView& view) {
  if (boundaries_.display != 1) return;
  const QColor colour = platform::qt::QtColour(boundaries_.colour);
  for (const WindFarmBoundaryDef& farm : boundaries_.farms) {
    if (farm.outline.IsEmpty()) continue;
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(ScreenPolygon(farm.outline, view));
    if (boundaries_.label == 1)
      DrawLabel(painter, view.ScreenOf({farm.centre.y, farm.centre.x}), platform::qt::FromAnsi(farm.name), colour);
  }
}

}  // namespace chart
