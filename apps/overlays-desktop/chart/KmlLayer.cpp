#include "chart/KmlLayer.h"

#include <QPainterPath>

#include <algorithm>
#include <cctype>

#include "chart/ChartDrawing.h"
#include "platform/qt/AnsiText.h"

namespace chart {
namespace {

constexpr int kPolygonAlpha = 110;
constexpr double kPointRadius = 4;

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The style a placemark names; the reader keeps style URLs in lower case
// and ids as written, so they meet ignoring case. An unknown name draws in
// the style's defaults.
const KMLStyleDef& StyleOf(const CKML& kml, std::string_view styleUrl) {
  static const KMLStyleDef kDefault;
  if (!styleUrl.empty() && styleUrl.front() == '#') styleUrl.remove_prefix(1);
  for (const auto& style : kml.Styles())
    if (SameLetters(style->id, styleUrl)) return *style;
  return kDefault;
}

QPen LinePen(const KMLStyleDef& style) { return QPen(ColourFromRgb(style.lineColour), std::max<int>(1, style.width)); }

}  // namespace

void KmlLayer::Draw(QPainter& painter, const ChartView& view) {
  for (const auto& kml : files_.Files()) DrawOverlay(painter, view, *kml);
}

void KmlLayer::DrawOverlay(QPainter& painter, const ChartView& view, const CKML& kml) const {
  for (const auto& polygon : kml.Polygons()) {
    const KMLStyleDef& style = StyleOf(kml, polygon->styleUrl);
    QColor fill = ColourFromRgb(style.polygonColour);
    fill.setAlpha(kPolygonAlpha);
    painter.setPen(LinePen(style));
    painter.setBrush(fill);
    painter.drawPolygon(ScreenPolygon(polygon->points, view));
  }
  painter.setBrush(Qt::NoBrush);
  for (const auto& line : kml.Lines()) {
    painter.setPen(LinePen(StyleOf(kml, line->styleUrl)));
    painter.drawPolyline(ScreenPolygon(line->points, view));
  }
  for (const auto& point : kml.Points()) {
    const KMLStyleDef& style = StyleOf(kml, point->styleUrl);
    const QPointF at = view.ScreenOf({point->y, point->x});
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ColourFromRgb(style.lineColour));
    painter.drawEllipse(at, kPointRadius, kPointRadius);
    painter.setBrush(Qt::NoBrush);
    DrawLabel(painter, at, platform::qt::FromAnsi(point->name), Qt::black);
  }
}

}  // namespace chart
