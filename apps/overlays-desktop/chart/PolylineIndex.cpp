#include "chart/PolylineIndex.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace chart {
namespace {

// Short enough that a view at harbour scale draws little it does not show,
// long enough that the boxes and cell lists stay a small part of the data.
constexpr std::uint32_t kPieceVertices = 64;
// Each coarser copy drops what lies within twice the last one's tolerance
// (plane metres), so that the copy a scale takes is never much finer than
// it needs; the first is full detail.
constexpr std::array<double, 14> kTolerances = {0,    30,    60,    120,   240,   480,    960,
                                                1920, 3840,  7680,  15360, 30720, 61440, 122880};
// A copy serves while its tolerance stays under half a pixel: what it
// dropped cannot be seen.
constexpr double kPixelTolerance = 0.5;
constexpr double kPiecesPerCell = 4;

QRectF UnionOf(const std::vector<QRectF>& boxes) {
  if (boxes.empty()) return {};
  QRectF all = boxes.front();
  for (const QRectF& box : boxes)
    all = QRectF(QPointF(std::min(all.left(), box.left()), std::min(all.top(), box.top())),
                 QPointF(std::max(all.right(), box.right()), std::max(all.bottom(), box.bottom())));
  return all;
}

bool Within(QPointF a, QPointF b, double tolerance) {
  return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

}  // namespace

void PolylineIndex::Add(std::span<const QPointF> line) {
  if (line.size() < 2) return;
  if (levels_.empty()) levels_.emplace_back();
  Level& full = levels_.front();
  lineStarts_.push_back(static_cast<std::uint32_t>(full.vertices.size()));
  full.vertices.insert(full.vertices.end(), line.begin(), line.end());
}

void PolylineIndex::Build() {
  if (levels_.empty()) return;
  levels_.resize(1);
  Level& full = levels_.front();
  full.pieces.clear();
  full.boxes.clear();
  for (std::size_t i = 0; i < lineStarts_.size(); ++i) {
    const std::uint32_t end = i + 1 < lineStarts_.size() ? lineStarts_[i + 1] : full.vertices.size();
    CutIntoPieces(full, lineStarts_[i], end - lineStarts_[i]);
  }
  full.cells.Build(UnionOf(full.boxes), full.boxes, kPiecesPerCell);
  for (std::size_t k = 1; k < kTolerances.size(); ++k) {
    Level coarse;
    coarse.tolerance = kTolerances[k];
    Decimate(levels_.front(), coarse);
    coarse.cells.Build(UnionOf(coarse.boxes), coarse.boxes, kPiecesPerCell);
    levels_.push_back(std::move(coarse));
  }
}

void PolylineIndex::CutIntoPieces(Level& level, std::uint32_t first, std::uint32_t count) const {
  const std::uint32_t end = first + count;
  for (std::uint32_t start = first; start + 1 < end; start += kPieceVertices - 1) {
    const std::uint32_t n = std::min(kPieceVertices, end - start);
    level.pieces.push_back({start, n});
    level.boxes.push_back(BoxAround(std::span(level.vertices).subspan(start, n)));
  }
}

void PolylineIndex::AddLine(Level& level, std::span<const QPointF> line) const {
  const auto first = static_cast<std::uint32_t>(level.vertices.size());
  level.vertices.insert(level.vertices.end(), line.begin(), line.end());
  CutIntoPieces(level, first, static_cast<std::uint32_t>(line.size()));
}

void PolylineIndex::Decimate(const Level& from, Level& to) const {
  std::vector<QPointF> kept;
  for (std::size_t i = 0; i < lineStarts_.size(); ++i) {
    const std::uint32_t end = i + 1 < lineStarts_.size() ? lineStarts_[i + 1] : from.vertices.size();
    const auto line = std::span(from.vertices).subspan(lineStarts_[i], end - lineStarts_[i]);
    const QRectF box = BoxAround(line);
    // An islet below the tolerance would be a dot at the scales this copy serves.
    if (box.width() < to.tolerance && box.height() < to.tolerance) continue;
    kept.assign(1, line.front());
    for (std::size_t v = 1; v + 1 < line.size(); ++v)
      if (!Within(line[v], kept.back(), to.tolerance)) kept.push_back(line[v]);
    kept.push_back(line.back());
    AddLine(to, kept);
  }
}

const PolylineIndex::Level& PolylineIndex::LevelFor(double metresPerPixel) const {
  const Level* best = &levels_.front();
  for (const Level& level : levels_)
    if (level.tolerance <= kPixelTolerance * metresPerPixel) best = &level;
  return *best;
}

void PolylineIndex::Visit(const QRectF& area, double metresPerPixel,
                          const std::function<void(std::span<const QPointF>)>& draw) const {
  if (levels_.empty()) return;
  const Level& level = LevelFor(metresPerPixel);
  level.cells.Query(area, level.boxes, [&](std::uint32_t piece) {
    const Piece& p = level.pieces[piece];
    draw(std::span(level.vertices).subspan(p.first, p.count));
  });
}

std::size_t PolylineIndex::VerticesVisited(const QRectF& area, double metresPerPixel) const {
  std::size_t count = 0;
  Visit(area, metresPerPixel, [&](std::span<const QPointF> piece) { count += piece.size(); });
  return count;
}

}  // namespace chart
