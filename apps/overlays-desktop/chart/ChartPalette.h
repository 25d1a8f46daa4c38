#pragma once
// The chart's own colours, beside those the lists carry: a pale sea so that
// every overlay colour reads on it, and a coast dark enough to find.

#include <QColor>

namespace chart {

inline const QColor kSeaColour(214, 232, 245);
inline const QColor kCoastlineColour(120, 88, 40);
inline const QColor kSearchHighlightColour(255, 0, 255);
inline const QColor kSearchCircleColour(200, 0, 200);
inline const QColor kScaleBarColour(0, 0, 0);

}  // namespace chart
