// Selecting a grid: ours from the catalogue (look-up or computation of the
// entry, the ellipsoid row, the kind's set-up) against PROJ creating the
// same projected CRS from its EPSG code (a look-up in its database and the
// operation's set-up), over every catalogue row that has a code. The line
// at the end gives PROJ's time per grid over ours.

#include "Compare.h"
#include <proj.h>

#include <string>
#include <vector>

#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"

namespace {

struct Row {
  std::uint32_t row, kind, variant;
  std::string epsg;  // "EPSG:nnnn"
};

const std::vector<Row>& RowsWithCodes() {
  static const std::vector<Row> rows = [] {
    std::vector<Row> found;
    for (std::uint32_t kind = 0; kind < kCatalogueKindCount; ++kind)
      for (std::uint32_t row = 0; row < CatalogueRowCount(kind); ++row)
        if (const int code = FindCatalogueEntry(row, kind, 0)->epsg; code != 0)
          found.push_back({row, kind, 0, "EPSG:" + std::to_string(code)});
    return found;
  }();
  return rows;
}

void Ours(benchmark::State& state) {
  CSpheroid ellipsoid;
  CGridSystem grid;
  for (auto _ : state)
    for (const Row& r : RowsWithCodes()) benchmark::DoNotOptimize(SelectGrid(grid, &ellipsoid, r.row, r.kind, r.variant));
}

void Proj(benchmark::State& state) {
  PJ_CONTEXT* ctx = proj_context_create();
  for (auto _ : state)
    for (const Row& r : RowsWithCodes()) proj_destroy(proj_create(ctx, r.epsg.c_str()));
  proj_context_destroy(ctx);
}

BENCHMARK(Ours)->Name("Ours/select_every_grid")->Unit(benchmark::kMicrosecond);
BENCHMARK(Proj)->Name("Proj/create_every_crs")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  std::vector<bench_support::Comparison> pairs = {
      {"Grid selection vs proj_create(EPSG code)", "Ours/select_every_grid", "Proj/create_every_crs",
       static_cast<double>(RowsWithCodes().size()), "grid"}};
  return bench_support::RunAndCompare(argc, argv, std::move(pairs));
}
