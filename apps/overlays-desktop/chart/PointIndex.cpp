#include "chart/PointIndex.h"

#include <cmath>
#include <unordered_set>

namespace chart {
namespace {

// Cell sizes of the thinned copies, plane metres: from a symbol's width at
// harbour-approach scales to one at a view of the whole ocean.
constexpr double kThinnedCellSizes[] = {500, 2000, 8000, 32000, 128000, 512000, 2048000};
constexpr double kPointsPerCell = 8;

std::uint64_t CellKey(QPointF p, double cellSize) {
  // Plane positions lie within ±2.1e7 m and cells are 500 m or more, so
  // each half fits 32 bits with room to spare.
  const auto column = static_cast<std::int64_t>(std::floor(p.x() / cellSize)) + (std::int64_t{1} << 31);
  const auto row = static_cast<std::int64_t>(std::floor(p.y() / cellSize)) + (std::int64_t{1} << 31);
  return static_cast<std::uint64_t>(column) << 32 | static_cast<std::uint32_t>(row);
}

}  // namespace

void PointIndex::Build(const std::vector<QPointF>& points) {
  levels_.clear();
  Level all;
  all.members.resize(points.size());
  for (std::uint32_t i = 0; i < points.size(); ++i) all.members[i] = i;
  Index(all, points);
  levels_.push_back(std::move(all));
  for (double cellSize : kThinnedCellSizes) {
    Level coarse = Thin(levels_.back(), points, cellSize);
    Index(coarse, points);
    levels_.push_back(std::move(coarse));
  }
}

PointIndex::Level PointIndex::Thin(const Level& finer, const std::vector<QPointF>& points, double cellSize) {
  Level coarse;
  coarse.cellSize = cellSize;
  std::unordered_set<std::uint64_t> taken;
  taken.reserve(finer.members.size() / 4 + 16);
  for (std::uint32_t member : finer.members)
    if (taken.insert(CellKey(points[member], cellSize)).second) coarse.members.push_back(member);
  return coarse;
}

void PointIndex::Index(Level& level, const std::vector<QPointF>& points) {
  level.boxes.reserve(level.members.size());
  for (std::uint32_t member : level.members) level.boxes.emplace_back(points[member], QSizeF(0, 0));
  // Every copy spans the points' box: a thinned copy's own would differ
  // by less than one of its cells.
  level.cells.Build(BoxAround(points), level.boxes, kPointsPerCell);
}

void PointIndex::Visit(const QRectF& area, double metresPerPixel, double symbolPixels,
                       const std::function<void(std::uint32_t)>& found) const {
  if (levels_.empty()) return;
  const Level* level = &levels_.front();
  for (const Level& candidate : levels_)
    if (candidate.cellSize <= metresPerPixel * symbolPixels) level = &candidate;
  level->cells.Query(area, level->boxes, [&](std::uint32_t k) { found(level->members[k]); });
}

}  // namespace chart
