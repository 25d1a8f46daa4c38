#include "platform/qt/PaintedWidget.h"

#include <QPainter>

#include "platform/qt/DrawOpPainter.h"
#include "platform/ui/DC.h"

namespace platform::qt {

PaintedWidget::PaintedWidget(QWidget* parent, Painter paint) : QWidget(parent), paint_(std::move(paint)) {}

void PaintedWidget::paintEvent(QPaintEvent*) {
  CDC dc;
  paint_(dc, size());
  QPainter painter(this);
  ReplayDrawing(dc, painter);
}

}  // namespace platform::qt
