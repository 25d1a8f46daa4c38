#pragma once
// Replays what an owner-drawn control drew into a recording CDC onto a
// QPainter, in the control's own pixel coordinates.

#include <QColor>
#include <QRect>

#include "platform/qt/QtImages.h"
#include "platform/ui/WinTypes.h"

class CDC;
class QPainter;

namespace platform::qt {

QRect QtRect(const CRect& rect);

void ReplayDrawing(const CDC& dc, QPainter& painter);

}  // namespace platform::qt
