#pragma once
// Many points on the plane (a million wrecks), found quickly in a view and
// thinned for the coarse scales: a coarser copy keeps one point of each
// cell of its size, so a view of the whole set visits about as many points
// as it has room to draw symbols for, not every point.

#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <functional>
#include <vector>

#include "chart/CellTable.h"

namespace chart {

class PointIndex {
 public:
  // Plane metres; the index of a point is its place in `points`.
  void Build(const std::vector<QPointF>& points);
  std::size_t Size() const { return levels_.empty() ? 0 : levels_.front().members.size(); }
  // Calls `found` with the index of each point in `area`; when a symbol
  // takes `symbolPixels` at `metresPerPixel`, points closer than that may
  // be left out for one near them.
  void Visit(const QRectF& area, double metresPerPixel, double symbolPixels,
             const std::function<void(std::uint32_t)>& found) const;

 private:
  struct Level {
    double cellSize = 0;                  // plane metres; 0 keeps every point
    std::vector<std::uint32_t> members;   // indices of the points kept
    std::vector<QRectF> boxes;            // one (empty) a member
    CellTable cells;
  };
  static Level Thin(const Level& finer, const std::vector<QPointF>& points, double cellSize);
  static void Index(Level& level, const std::vector<QPointF>& points);

  std::vector<Level> levels_;  // finest first
};

}  // namespace chart
