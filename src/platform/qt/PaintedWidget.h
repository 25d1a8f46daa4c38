#pragma once
// A widget whose look is whatever its window draws into a recording CDC.

#include <QWidget>

#include <functional>

class CDC;

namespace platform::qt {

class PaintedWidget : public QWidget {
 public:
  // `paint` records the look of the widget's current size into the CDC.
  using Painter = std::function<void(CDC& dc, QSize size)>;
  PaintedWidget(QWidget* parent, Painter paint);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter paint_;
};

}  // namespace platform::qt
