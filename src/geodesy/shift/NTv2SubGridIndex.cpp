#include "geodesy/shift/NTv2SubGridIndex.h"

#include <algorithm>
#include <cmath>

void CNTv2SubGridIndex::Build(const SecondsBox& extent, const std::function<int(const SecondsBox&)>& answer) {
  cells_.clear();
  rows_ = columns_ = 0;
  const double latSpan = extent.latHi - extent.latLo, lonSpan = extent.lonHi - extent.lonLo;
  if (!(std::isfinite(latSpan) && std::isfinite(lonSpan) && latSpan > 0 && lonSpan > 0)) return;
  // Square cells, never narrower than the margin they are widened by; a
  // long thin extent gets no more than kMaxCells along its length.
  const double side =
      std::max({std::sqrt(latSpan * lonSpan / kMaxCells), std::max(latSpan, lonSpan) / kMaxCells, 2 * kCellMargin});
  extent_ = extent;
  cellsPerSecond_ = 1 / side;
  rows_ = std::ceil(latSpan / side);
  columns_ = std::ceil(lonSpan / side);
  for (double row = 0; row < rows_; ++row)
    for (double column = 0; column < columns_; ++column) {
      const double lat = extent.latLo + row * side, lon = extent.lonLo + column * side;
      cells_.push_back(
          answer({lat - kCellMargin, lat + side + kCellMargin, lon - kCellMargin, lon + side + kCellMargin}));
    }
}
