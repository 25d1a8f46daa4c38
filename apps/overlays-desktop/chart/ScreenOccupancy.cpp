#include "chart/ScreenOccupancy.h"

#include <algorithm>

namespace chart {

ScreenOccupancy::ScreenOccupancy(QSize screen, QSize cell)
    : columns_(std::max(1, screen.width() / std::max(1, cell.width()) + 1)),
      rows_(std::max(1, screen.height() / std::max(1, cell.height()) + 1)),
      cell_(std::max(1, cell.width()), std::max(1, cell.height())),
      taken_(static_cast<std::size_t>(columns_) * rows_, false) {}

bool ScreenOccupancy::Claim(QPointF at) {
  if (!(at.x() >= 0 && at.y() >= 0)) return false;
  const double column = at.x() / cell_.width();
  const double row = at.y() / cell_.height();
  if (column >= columns_ || row >= rows_) return false;
  const std::size_t cell = static_cast<std::size_t>(row) * columns_ + static_cast<std::size_t>(column);
  if (taken_[cell]) return false;
  taken_[cell] = true;
  return true;
}

}  // namespace chart
