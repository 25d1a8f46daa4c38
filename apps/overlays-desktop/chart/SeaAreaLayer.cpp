#include "chart/SeaAreaLayer.h"

#include "chart/ChartDrawing.h"
#include "platform/qt/AnsiText.h"
#include "platform/qt/QtImages.h"

namespace chart {
namespace {

constexpr int kActiveFillAlpha = 80;

}  // namespace

void SeaAreaLayer::Draw(QPainter& painter, const ChartView& view) {
  const QColor colour = platform::qt::QtColour(areas_.colour);
  const QColor activeColour = platform::qt::QtColour(areas_.activeColour);
  QColor activeFill = activeColour;
  activeFill.setAlpha(kActiveFillAlpha);
  for (std::size_t i = 0; i < areas_.areas.size(); ++i) {
    const SeaAreaDef& area = areas_.areas[i];
    const bool active = static_cast<std::int64_t>(i) == areas_.activeArea;
    if (!active && areas_.display != 1) continue;
    const QPolygonF outline = ScreenPolygon(area.outline, view);
    painter.setPen(QPen(active ? activeColour : colour, active ? 3 : 1.5));
    painter.setBrush(active ? QBrush(activeFill) : QBrush(Qt::NoBrush));
    painter.drawPolygon(outline);
    if (areas_.label == 1) DrawLabel(painter, LabelPoint(outline), platform::qt::FromAnsi(area.name), active ? activeColour : colour);
  }
  painter.setBrush(Qt::NoBrush);
}

}  // namespace chart
