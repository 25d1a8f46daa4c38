#pragma once
// What every layer draws with: KML colours as Qt has them (the module's
// other colours and its text cross through platform/qt's conversions),
// labels that stay readable on any background, and outlines from the
// module's position arrays onto the screen.

#include <QColor>
#include <QPainter>
#include <QPolygonF>
#include <QString>

#include <cstdint>

#include "chart/ChartView.h"
#include "chart/PolylineIndex.h"
#include "frame/XY.h"

namespace chart {

// Names beside point symbols (wrecks, turbines, shapefile entities) show
// only at scales finer than this, plane metres a pixel: coarser, they
// would bury the symbols.
inline constexpr double kPointLabelsFinerThan = 800;

// A KML colour as the KML reader keeps it, 0x00RRGGBB.
QColor ColourFromRgb(std::uint32_t rgb);

// Text to the right of `anchor`, vertically centred on it, over a pale halo.
void DrawLabel(QPainter& painter, QPointF anchor, const QString& text, const QColor& colour);

// Screen positions of an array of latitudes and longitudes (x longitude, y
// latitude, radians).
QPolygonF ScreenPolygon(const CXYArray& positions, const ChartView& view);
// The mean of the corners of an outline, where its label goes.
QPointF LabelPoint(const QPolygonF& outline);

// Every piece of `lines` the view shows, with the painter's pen.
void DrawPolylines(QPainter& painter, const PolylineIndex& lines, const ChartView& view);

}  // namespace chart
