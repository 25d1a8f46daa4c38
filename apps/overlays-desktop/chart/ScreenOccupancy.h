#pragma once
// Which parts of the screen a layer has already drawn a symbol or label
// on, in cells of one symbol's size, so that a crowd of them shows as a
// readable scatter rather than a smear: the first to claim a cell is drawn.

#include <QPointF>
#include <QSize>

#include <vector>

namespace chart {

class ScreenOccupancy {
 public:
  ScreenOccupancy(QSize screen, QSize cell);
  // True when the cell under `at` was free (it is now taken); false when
  // taken or off the screen.
  bool Claim(QPointF at);

 private:
  int columns_;
  int rows_;
  QSize cell_;
  std::vector<bool> taken_;
};

}  // namespace chart
