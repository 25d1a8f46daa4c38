#include "ChartWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

#include "chart/CursorReadout.h"

namespace desktop {
namespace {

// One notch of a wheel (120 eighths of a degree) zooms by this much.
constexpr double kZoomPerNotch = 1.25;
constexpr double kEighthsPerNotch = 120;
constexpr double kPanShare = 0.125;

}  // namespace

ChartWidget::ChartWidget(chart::Chart& chart, CDatum* datum, QWidget* parent)
    : QWidget(parent), chart_(chart), datum_(datum) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(320, 240);
}

void ChartWidget::ZoomIn() { ZoomAboutCentre(kZoomPerNotch); }

void ChartWidget::ZoomOut() { ZoomAboutCentre(1 / kZoomPerNotch); }

void ChartWidget::ZoomAboutCentre(double factor) {
  chart_.View().ZoomAbout(QPointF(width() / 2.0, height() / 2.0), factor);
  update();
}

void ChartWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  chart_.Render(painter, size());
}

void ChartWidget::resizeEvent(QResizeEvent*) { chart_.View().SetViewport(size()); }

void ChartWidget::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kEighthsPerNotch;
  chart_.View().ZoomAbout(event->position(), std::pow(kZoomPerNotch, notches));
  update();
  event->accept();
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragFrom_ = event->position();
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  if (dragFrom_) {
    chart_.View().Pan(event->position() - *dragFrom_);
    dragFrom_ = event->position();
    update();
  }
  const chart::GeoPosition position = chart_.View().PositionAt(event->position());
  const QString grid = chart::GridText(position, datum_);
  emit CursorMoved(chart::PositionText(position) + (grid.isEmpty() ? QString() : QStringLiteral("    ") + grid));
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragFrom_.reset();
}

void ChartWidget::keyPressEvent(QKeyEvent* event) {
  const QPointF step(width() * kPanShare, height() * kPanShare);
  switch (event->key()) {
    case Qt::Key_Left: chart_.View().Pan({step.x(), 0}); break;
    case Qt::Key_Right: chart_.View().Pan({-step.x(), 0}); break;
    case Qt::Key_Up: chart_.View().Pan({0, step.y()}); break;
    case Qt::Key_Down: chart_.View().Pan({0, -step.y()}); break;
    case Qt::Key_Plus: case Qt::Key_Equal: ZoomIn(); return;
    case Qt::Key_Minus: ZoomOut(); return;
    default: QWidget::keyPressEvent(event); return;
  }
  update();
}

}  // namespace desktop
