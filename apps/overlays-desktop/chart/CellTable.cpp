#include "chart/CellTable.h"

#include <algorithm>
#include <cmath>

namespace chart {
namespace {

// Beyond this a table of offsets costs more than the items it sorts.
constexpr int kMostCellsPerSide = 1024;

// The cell of a fraction of the side, clamped before the conversion to int
// so that a point far outside (or not a number) lands in an edge cell.
int CellIndex(double fraction, int count) {
  const double cell = fraction * count;
  if (!(cell > 0)) return 0;
  return cell >= count - 1 ? count - 1 : static_cast<int>(cell);
}

}  // namespace

QRectF BoxAround(std::span<const QPointF> points) {
  if (points.empty()) return {};
  double left = points[0].x(), right = left, top = points[0].y(), bottom = top;
  for (const QPointF& p : points) {
    left = std::min(left, p.x());
    right = std::max(right, p.x());
    top = std::min(top, p.y());
    bottom = std::max(bottom, p.y());
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

void CellTable::Build(const QRectF& bounds, std::span<const QRectF> boxes, double itemsPerCell) {
  bounds_ = bounds;
  const double cells = std::max(1.0, boxes.size() / itemsPerCell);
  const double aspect = bounds.height() > 0 && bounds.width() > 0 ? bounds.width() / bounds.height() : 1.0;
  columns_ = std::clamp(static_cast<int>(std::sqrt(cells * aspect)), 1, kMostCellsPerSide);
  rows_ = std::clamp(static_cast<int>(cells / columns_), 1, kMostCellsPerSide);
  cellStart_.assign(static_cast<std::size_t>(columns_) * rows_ + 1, 0);
  auto forEachCell = [&](const QRectF& box, auto&& onCell) {
    const CellRange r = RangeOf(box);
    for (int row = r.row0; row <= r.row1; ++row)
      for (int column = r.column0; column <= r.column1; ++column) onCell(static_cast<std::size_t>(row) * columns_ + column);
  };
  for (const QRectF& box : boxes) forEachCell(box, [&](std::size_t cell) { ++cellStart_[cell + 1]; });
  for (std::size_t i = 1; i < cellStart_.size(); ++i) cellStart_[i] += cellStart_[i - 1];
  cellItems_.assign(cellStart_.back(), 0);
  std::vector<std::uint32_t> next(cellStart_.begin(), cellStart_.end() - 1);
  for (std::uint32_t item = 0; item < boxes.size(); ++item)
    forEachCell(boxes[item], [&](std::size_t cell) { cellItems_[next[cell]++] = item; });
}

void CellTable::Query(const QRectF& area, std::span<const QRectF> boxes,
                      const std::function<void(std::uint32_t)>& found) const {
  if (columns_ == 0) return;
  const CellRange q = RangeOf(area);
  for (int row = q.row0; row <= q.row1; ++row) {
    for (int column = q.column0; column <= q.column1; ++column) {
      const std::size_t cell = static_cast<std::size_t>(row) * columns_ + column;
      for (std::uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
        const std::uint32_t item = cellItems_[k];
        const QRectF& box = boxes[item];
        // The item is listed in every cell it reaches; only the first of
        // those inside the query reports it.
        const CellRange own = RangeOf(box);
        if (column != std::max(own.column0, q.column0) || row != std::max(own.row0, q.row0)) continue;
        // QRectF::intersects misses degenerate boxes (a vertical segment).
        if (box.left() <= area.right() && box.right() >= area.left() && box.top() <= area.bottom() &&
            box.bottom() >= area.top())
          found(item);
      }
    }
  }
}

CellTable::CellRange CellTable::RangeOf(const QRectF& box) const {
  return {ColumnOf(box.left()), RowOf(box.top()), ColumnOf(box.right()), RowOf(box.bottom())};
}

int CellTable::ColumnOf(double x) const {
  if (!(bounds_.width() > 0)) return 0;
  return CellIndex((x - bounds_.left()) / bounds_.width(), columns_);
}

int CellTable::RowOf(double y) const {
  if (!(bounds_.height() > 0)) return 0;
  return CellIndex((y - bounds_.top()) / bounds_.height(), rows_);
}

}  // namespace chart
