// The location combo box's nearest-place search (122 geodesics on WGS 1984)
// against the same search with GeographicLib's exact inverse, on the same
// chart positions around the British Isles, in one run; and SelectNearest
// on a live combo box, which the wreck search runs as its dialog opens.

#include "Compare.h"

#include <GeographicLib/Geodesic.hpp>

#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "controls/UKLocationComboBox.h"
#include "geodesy/angle/AngleUnits.h"

namespace {

constexpr int kPositions = 256;

struct Position {
  double latitude, longitude;  // radians
};

// Where a chart is likely to be centred: the waters round the places.
const std::vector<Position>& ChartPositions() {
  static const std::vector<Position> positions = [] {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> lat(48, 62), lon(-15, 3);
    std::vector<Position> made;
    for (int i = 0; i < kPositions; ++i) made.push_back({lat(rng) * kRadiansPerDegree, lon(rng) * kRadiansPerDegree});
    return made;
  }();
  return positions;
}

void Ours(benchmark::State& state) {
  for (auto _ : state) {
    int sum = 0;
    for (const Position& p : ChartPositions()) sum += FindNearestPlace(UKPlaces(), p.latitude, p.longitude).index;
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kPositions);
}

void GeographicLibNearest(benchmark::State& state) {
  const GeographicLib::Geodesic& g = GeographicLib::Geodesic::WGS84();
  const double toDegrees = 180 / std::numbers::pi;
  for (auto _ : state) {
    int sum = 0;
    for (const Position& p : ChartPositions()) {
      double smallest = std::numeric_limits<double>::max();
      int nearest = -1;
      for (std::size_t i = 0; i < UKPlaces().size(); ++i) {
        double s12 = 0;
        g.Inverse(p.latitude * toDegrees, p.longitude * toDegrees, UKPlaces()[i].latitude,
                  UKPlaces()[i].longitude, s12);
        if (s12 < smallest) smallest = s12, nearest = static_cast<int>(i);
      }
      sum += nearest;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kPositions);
}

void SelectNearestOnTheBox(benchmark::State& state) {
  CWnd parent;
  parent.Create("parent", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0);
  CUKLocationComboBox box;
  box.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 180, 200), &parent, 1);
  for (auto _ : state)
    for (const Position& p : ChartPositions()) box.SelectNearest(p.latitude, p.longitude);
  state.SetItemsProcessed(state.iterations() * kPositions);
}

BENCHMARK(GeographicLibNearest);
BENCHMARK(Ours);
BENCHMARK(SelectNearestOnTheBox);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::RunAndCompare(
      argc, argv, {{"nearest of 122 places", "Ours", "GeographicLibNearest", kPositions, "position"}});
}
