#pragma once
// The chart on screen: paints the chart and moves it as the user asks.
// The mouse wheel zooms about the pointer, a drag pans, the arrow keys pan
// by an eighth of the window and + and - zoom about its centre; the
// position under the pointer is reported for the status bar.

#include <QWidget>

#include <optional>

#include "chart/Chart.h"
#include "geodesy/datum/Datum.h"

namespace desktop {

class ChartWidget : public QWidget {
  Q_OBJECT

 public:
  // The datum object (may be null) gives the grid position of the read-out.
  ChartWidget(chart::Chart& chart, CDatum* datum, QWidget* parent = nullptr);

  void ZoomIn();
  void ZoomOut();

 signals:
  // The read-out of the position under the pointer, for the status bar.
  void CursorMoved(const QString& readout);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ZoomAboutCentre(double factor);

  chart::Chart& chart_;
  CDatum* datum_;
  std::optional<QPointF> dragFrom_;
};

}  // namespace desktop
