#pragma once
// Many polylines on the plane, ready to draw at any scale without a stall:
// each is cut into short pieces with their boxes, so a view finds the few
// pieces it shows through a cell table, and coarser copies of the whole set
// (vertices closer than a tolerance dropped, lines smaller than it left
// out) serve the scales at which a pixel covers more than that tolerance.
//
// Lifecycle: Add every polyline, then Build once; Visit after that.

#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "chart/CellTable.h"

namespace chart {

class PolylineIndex {
 public:
  // Vertices in plane metres; a line of fewer than two adds nothing.
  void Add(std::span<const QPointF> line);
  void Build();
  bool IsEmpty() const { return levels_.empty() || levels_.front().pieces.empty(); }
  // Vertices of the full-detail copy.
  std::size_t VertexCount() const { return levels_.empty() ? 0 : levels_.front().vertices.size(); }
  // Calls `draw` with the vertices of every piece that may show in `area`
  // at the copy fit for a scale of `metresPerPixel`; the pieces of one line
  // share their end vertices, so drawn one after another they join.
  void Visit(const QRectF& area, double metresPerPixel,
             const std::function<void(std::span<const QPointF>)>& draw) const;
  // Vertices a Visit of `area` at that scale would hand out (benchmarks and
  // tests judge the level of detail by it).
  std::size_t VerticesVisited(const QRectF& area, double metresPerPixel) const;

 private:
  struct Piece {
    std::uint32_t first;
    std::uint32_t count;
  };
  struct Level {
    double tolerance = 0;  // plane metres
    std::vector<QPointF> vertices;
    std::vector<Piece> pieces;
    std::vector<QRectF> boxes;  // one a piece
    CellTable cells;
  };
  void AddLine(Level& level, std::span<const QPointF> line) const;
  void CutIntoPieces(Level& level, std::uint32_t first, std::uint32_t count) const;
  void Decimate(const Level& from, Level& to) const;
  const Level& LevelFor(double metresPerPixel) const;

  std::vector<std::uint32_t> lineStarts_;  // into the full-detail vertices, one a line
  std::vector<Level> levels_;              // finest first
};

}  // namespace chart
