#include "chart/ChartDrawing.h"

#include <string>
#include <vector>

namespace chart {

QColor ColourFromRgb(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void DrawLabel(QPainter& painter, QPointF anchor, const QString& text, const QColor& colour) {
  if (text.isEmpty()) return;
  const QFontMetricsF metrics(painter.font());
  const QPointF baseline = anchor + QPointF(6, metrics.ascent() / 2 - 1);
  const QRectF box = metrics.boundingRect(text).translated(baseline).adjusted(-1, 0, 1, 0);
  painter.fillRect(box, QColor(255, 255, 255, 170));
  painter.setPen(colour);
  painter.drawText(baseline, text);
}

QPolygonF ScreenPolygon(const CXYArray& positions, const ChartView& view) {
  QPolygonF screen;
  screen.reserve(static_cast<qsizetype>(positions.GetSize()));
  for (const tagXY& p : positions) screen << view.ScreenOf({p.y, p.x});
  return screen;
}

QPointF LabelPoint(const QPolygonF& outline) {
  if (outline.isEmpty()) return {};
  QPointF sum;
  for (const QPointF& p : outline) sum += p;
  return sum / outline.size();
}

void DrawPolylines(QPainter& painter, const PolylineIndex& lines, const ChartView& view) {
  const double scale = 1 / view.MetresPerPixel();
  const QPointF origin = view.ToScreen({0, 0});
  std::vector<QPointF> screen;
  lines.Visit(view.VisiblePlane(), view.MetresPerPixel(), [&](std::span<const QPointF> piece) {
    screen.resize(piece.size());
    for (std::size_t i = 0; i < piece.size(); ++i)
      screen[i] = {origin.x() + piece[i].x() * scale, origin.y() - piece[i].y() * scale};
    painter.drawPolyline(screen.data(), static_cast<int>(screen.size()));
  });
}

}  // namespace chart
