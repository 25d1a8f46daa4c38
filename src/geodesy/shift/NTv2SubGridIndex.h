#pragma once
// A coarse table over the sub-grids' joint extent that answers the
// sub-grid search at once for most points. Each table cell holds the
// search's answer when that answer is the same for every point of the cell
// (a sub-grid, or −1 for none), and kSearch when the cell straddles an
// edge where the answer changes; those points take the full search.
//
// Cells are judged over their extent widened by kCellMargin on every side,
// so a point that the floating-point cell number puts in a neighbouring
// cell still lies in the extent its cell was judged for.

#include <cstdint>
#include <functional>
#include <vector>

// A box of lat″ and lon″ (see CNTv2), bounds included.
struct SecondsBox {
  double latLo = 0, latHi = 0, lonLo = 0, lonHi = 0;
};

class CNTv2SubGridIndex {
 public:
  static constexpr int kSearch = -2;
  static constexpr double kCellMargin = 1;  // arc-seconds
  // Enough cells that the edges of nested sub-grids cut few of them, few
  // enough (64 KB) that the table stays in the cache beside the nodes.
  static constexpr double kMaxCells = 16384;

  // Covers `extent` with cells; `answer` gives the search's answer for
  // every point of a box, or kSearch when it is not the same for all.
  // An extent that is empty or not finite leaves every point to the search.
  void Build(const SecondsBox& extent, const std::function<int(const SecondsBox&)>& answer);
  // The answer for lat″, lon″, or kSearch.
  int Lookup(double lat, double lon) const {
    const double row = (lat - extent_.latLo) * cellsPerSecond_, column = (lon - extent_.lonLo) * cellsPerSecond_;
    // Written so that NaN fails too.
    if (!(row >= 0 && row < rows_ && column >= 0 && column < columns_)) return kSearch;
    return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                  static_cast<std::size_t>(column)];
  }

 private:
  SecondsBox extent_;
  double cellsPerSecond_ = 0;
  double rows_ = 0, columns_ = 0;
  std::vector<std::int32_t> cells_;  // row by row from the south
};
