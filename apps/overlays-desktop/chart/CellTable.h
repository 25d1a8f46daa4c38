#pragma once
// A uniform grid of cells over a box of the plane, listing for each cell the
// items whose boxes reach into it: the spatial index of the chart's big
// layers. An item that spans several cells is listed in each and reported
// once by a query, in the first cell of it the query meets.

#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace chart {

// The smallest box holding every point (none for no points).
QRectF BoxAround(std::span<const QPointF> points);

class CellTable {
 public:
  // `boxes[i]` is item i's box; about `itemsPerCell` items a cell on
  // average. Boxes outside `bounds` are clamped into its edge cells.
  void Build(const QRectF& bounds, std::span<const QRectF> boxes, double itemsPerCell);
  // Calls `found` with every item whose box meets `area`, each once.
  void Query(const QRectF& area, std::span<const QRectF> boxes, const std::function<void(std::uint32_t)>& found) const;

 private:
  struct CellRange {
    int column0, row0, column1, row1;
  };
  CellRange RangeOf(const QRectF& box) const;
  int ColumnOf(double x) const;
  int RowOf(double y) const;

  QRectF bounds_;
  int columns_ = 0;
  int rows_ = 0;
  std::vector<std::uint32_t> cellStart_;  // columns_ * rows_ + 1 offsets into cellItems_
  std::vector<std::uint32_t> cellItems_;
};

}  // namespace chart
