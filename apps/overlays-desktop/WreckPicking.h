#pragma once
// Which wreck or obstruction a click on the chart meant: the nearest
// record shown on the chart whose symbol lies within reach of the pointer.

#include <QPointF>

#include "chart/ChartView.h"
#include "wrecks/WreckList.h"

namespace desktop {

// A symbol is about 16 pixels across; a click on any part of it counts.
inline constexpr double kWreckReachPixels = 9;

// The nearest record within `reach` pixels of `screen` among those the
// search list's show flags put on the chart, or null. A record without a
// position is never on the chart.
WreckDef* WreckAt(const CWreckList& wrecks, const CWreckList& searchList, const chart::ChartView& view, QPointF screen,
                  double reach = kWreckReachPixels);

}  // namespace desktop
