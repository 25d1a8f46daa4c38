// The searches over the index against the plain tests they stand for: the
// radius search through the window finds exactly the records, and stores
// exactly the bearings, that measuring every record does; the name search
// over the joined names finds a text in one name only.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <numbers>
#include <random>

#include "geodesy/ellipsoid/Spheroid.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckSearch.h"
#include "wrecks/WreckSearchIndex.h"

namespace {

using Found = std::vector<std::size_t>;

// Owns its records, as the host's wreck list does.
struct OwnedList : CWreckList {
  ~OwnedList() {
    for (WreckDef* r : records) delete r;
  }
  void AddRecord(double lat, double lon, std::string_view name = {}) {
    auto* r = new WreckDef;
    r->data.latitude = lat;
    r->data.longitude = lon;
    r->data.wreckCategory = 1;
    r->texts.Set(WreckText::Name, name);
    Add(r);
  }
};

TEST(WreckSearch, TheWindowedRadiusSearchFindsAndBearsExactlyWhatMeasuringEveryRecordDoes) {
  struct Circle {
    double latDeg, lonDeg, radius;  // nautical miles
  };
  const Circle circles[] = {{52.5, 3, 10}, {89.95, 10, 20}, {-60, 179.9, 30}, {0, -179.99, 5}, {-12, 40, 3000}};
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  OwnedList wrecks;
  // Half the records anywhere on the globe, half crowded round the centres.
  for (int i = 0; i < 40000; ++i) {
    const Circle& c = circles[static_cast<std::size_t>(i) % std::size(circles)];
    const double spread = c.radius / 30 * std::numbers::pi / 180;
    const double lat = i % 2 ? std::asin(2 * unit(random) - 1) : c.latDeg * std::numbers::pi / 180 + spread * (2 * unit(random) - 1);
    const double lon = i % 2 ? std::numbers::pi * (2 * unit(random) - 1) : c.lonDeg * std::numbers::pi / 180 + spread * 3 * (2 * unit(random) - 1);
    wrecks.AddRecord(lat, lon);
  }
  const CWreckSearchIndex index(wrecks);
  for (const Circle& c : circles) {
    SCOPED_TRACE(c.latDeg);
    CWreckList searchList;
    searchList.centreLatitude = c.latDeg * std::numbers::pi / 180;
    searchList.centreLongitude = c.lonDeg * std::numbers::pi / 180;
    searchList.searchRadius = c.radius;
    const CWreckSearch search(wrecks, index, searchList);
    Found windowed;
    search.FindWithinRadius(0, wrecks.GetSize(), windowed);
    std::vector<std::uint64_t> bearings;
    for (std::size_t i : windowed) bearings.push_back(std::bit_cast<std::uint64_t>(wrecks.GetAt(i)->bearing));
    Found measured;
    std::vector<std::uint64_t> measuredBearings;
    for (std::size_t i = 0; i < wrecks.GetSize(); ++i) {
      wrecks.GetAt(i)->bearing = std::numeric_limits<double>::quiet_NaN();
      if (!search.MatchRadius(*wrecks.GetAt(i))) continue;
      measured.push_back(i);
      measuredBearings.push_back(std::bit_cast<std::uint64_t>(wrecks.GetAt(i)->bearing));
    }
    EXPECT_GT(measured.size(), 100u);
    EXPECT_EQ(windowed, measured);
    EXPECT_EQ(bearings, measuredBearings);
  }
}

TEST(WreckSearch, ANameSearchFindsTheTextInOneNameInEitherCase) {
  OwnedList wrecks;
  const std::string_view names[] = {"St Mary", "MARY ROSE", "", "ab", "cd", "Marie", {"x\0mary", 6}};
  for (std::string_view name : names) wrecks.AddRecord(0, 0, name);
  const CWreckSearchIndex index(wrecks);
  struct Case {
    std::string text;
    std::size_t begin, end;
    Found found;
  };
  const Case cases[] = {
      {"mary", 0, 7, {0, 1, 6}},
      {"mary", 1, 6, {1}},
      {"St Marys", 0, 7, {}},  // longer than the name it starts
      {"BC", 0, 7, {}},        // "ab" then "cd": never across two names
      {{"y\0", 2}, 0, 7, {}},  // a 0 byte in the text cannot reach the next name either
      {"r", 0, 7, {0, 1, 5, 6}},
  };
  for (const Case& c : cases) {
    CWreckList searchList;
    searchList.searchName = c.text;
    Found found;
    CWreckSearch(wrecks, index, searchList).FindName(c.begin, c.end, found);
    EXPECT_EQ(found, c.found) << c.text << " in " << c.begin << ".." << c.end;
  }
}

}  // namespace
