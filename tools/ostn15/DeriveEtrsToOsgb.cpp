// Derives the ETRS89 -> OSGB36 OSTN15 grid, which is not published in NTv2
// form, from the published OSGB36 -> ETRS89 one: at every node q of the same
// lattice it finds the OSGB36 position p that the published grid carries to
// q, by p <- q − shift(p), and stores p − q = −shift(p).
//
//   derive_etrs_to_osgb OSGBtoETRS.gsb ETRStoOSGB.gsb
//
// Prints the largest residual |p + shift(p) − q| over the nodes, in
// arc-seconds and millimetres.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "NTv2FileWriter.h"
#include "geodesy/shift/NTv2File.h"

namespace {

// The shifts change by a few millimetres per kilometre, so each step gains
// about five digits; a handful of steps settle far below the floats'
// resolution (about 1e-7″).
constexpr int kMaxSteps = 20;
constexpr double kSettledSeconds = 1e-10;
constexpr double kMetresPerArcSecond = 30.9;  // of latitude, near enough for a report

struct Point {
  double lat, lon;  // arc-seconds, longitude positive west
};

// Bilinear shift at p; beyond the outer nodes the edge cell is extended,
// since near the edges p lies a few seconds outside the lattice.
Point ShiftAt(const DataSetDef& g, std::size_t rows, std::size_t columns, Point p) {
  const double y = (p.lat - g.sLat) / g.latInc, x = (p.lon - g.eLong) / g.longInc;
  const auto row = static_cast<std::size_t>(std::clamp(std::floor(y), 0.0, static_cast<double>(rows - 2)));
  const auto column = static_cast<std::size_t>(std::clamp(std::floor(x), 0.0, static_cast<double>(columns - 2)));
  const std::size_t n = row * columns + column;
  const GridShiftRecordDef* r = g.records.data() + n;
  const ArcSecondShift s = InterpolateShift(ShiftCell<GridShiftRecordDef>{r, r + 1, r + columns, r + columns + 1},
                                            x - static_cast<double>(column), y - static_cast<double>(row));
  return {s.lat, s.lon};
}

std::optional<NTv2Grids> ReadHostGrid(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return std::nullopt;
  std::fseek(file, 0, SEEK_END);
  const long size = std::ftell(file);
  std::fseek(file, 0, SEEK_SET);
  auto grids = size > 0 ? ReadNTv2(file, static_cast<std::uint64_t>(size)) : std::nullopt;
  std::fclose(file);
  return grids;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: derive_etrs_to_osgb OSGBtoETRS.gsb ETRStoOSGB.gsb\n");
    return 1;
  }
  const auto published = ReadHostGrid(argv[1]);
  if (!published || published->subGrids.size() != 1) {
    std::fprintf(stderr, "derive_etrs_to_osgb: %s is not a one-grid NTv2 file\n", argv[1]);
    return 1;
  }
  const DataSetDef& from = published->subGrids.front();
  const auto rows = static_cast<std::size_t>(std::lround((from.nLat - from.sLat) / from.latInc)) + 1;
  const auto columns = static_cast<std::size_t>(std::lround((from.wLong - from.eLong) / from.longInc)) + 1;
  DataSetDef to = from;
  double worst = 0;
  for (std::size_t row = 0; row < rows; ++row) {
    for (std::size_t column = 0; column < columns; ++column) {
      const Point q{from.sLat + static_cast<double>(row) * from.latInc,
                    from.eLong + static_cast<double>(column) * from.longInc};
      Point p = q, s{};
      for (int step = 0; step < kMaxSteps; ++step) {
        s = ShiftAt(from, rows, columns, p);
        const Point next{q.lat - s.lat, q.lon - s.lon};
        const bool settled = std::hypot(next.lat - p.lat, next.lon - p.lon) < kSettledSeconds;
        p = next;
        if (settled) break;
      }
      s = ShiftAt(from, rows, columns, p);
      GridShiftRecordDef& node = to.records[row * columns + column];
      node.latShift = static_cast<float>(-s.lat);
      node.lonShift = static_cast<float>(-s.lon);
      // The residual of the stored (float) node, as a reader will see it.
      const Point back = ShiftAt(from, rows, columns, {q.lat + node.latShift, q.lon + node.lonShift});
      worst = std::max(worst, std::hypot(q.lat + node.latShift + back.lat - q.lat,
                                         q.lon + node.lonShift + back.lon - q.lon));
    }
  }
  tools::NTv2FileLayout layout;
  layout.overview = published->overview;
  std::swap(layout.overview.systemF, layout.overview.systemT);
  std::swap(layout.overview.majorF, layout.overview.majorT);
  std::swap(layout.overview.minorF, layout.overview.minorT);
  layout.subGrids.push_back(std::move(to));
  std::ofstream out(argv[2], std::ios::binary);
  out << tools::NTv2FileBytes(layout);
  if (!out.flush()) {
    std::fprintf(stderr, "derive_etrs_to_osgb: cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("derive_etrs_to_osgb: %zu nodes, round trip residual at most %.3g\" (%.3g mm)\n", rows * columns,
              worst, worst * kMetresPerArcSecond * 1000);
  return 0;
}
