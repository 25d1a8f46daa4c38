// The wreck search dialog, worked through the automation hook as a user
// works it, on six records placed round one centre: one 1852 m due north
// by the search's own geodesic and one a last bit farther, four within a
// few hundred metres.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/datum/Datum.h"
#include "platform/ui/Automation.h"
#include "support/TestMachine.h"
#include "wrecks/DateText.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckResources.h"
#include "wrecks/WreckSettings.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using Texts = std::vector<std::string>;

constexpr double kCentreLat = 50 * kRadiansPerDegree;
constexpr double kCentreLon = -4 * kRadiansPerDegree;
constexpr double kStep = 1e-4;  // radians, some 400 to 640 m

// The latitude due north of the centre whose distance is at most 1852 m
// while the next double's is more: the edge of a 1 NM circle, to the bit.
double EdgeOfOneMile() {
  const CSpheroid wgs84;
  const auto distance = [&](double lat) {
    double d = 0;
    wgs84.GeodesicInverse(kCentreLat, kCentreLon, lat, kCentreLon, &d, nullptr);
    return d;
  };
  double in = kCentreLat, out = kCentreLat + 0.001;
  for (;;) {
    const double mid = in + (out - in) / 2;
    if (mid == in || mid == out) return in;
    (distance(mid) <= 1852.0 ? in : out) = mid;
  }
}

struct RecordSpec {
  std::uint32_t id;
  const char* name;
  bool wreck;
  double lat, lon;
  std::uint32_t sunk;
};

class WreckFindTest : public testing::Test {
 protected:
  void SetUp() override {
    const double edge = EdgeOfOneMile();
    const RecordSpec specs[] = {
        {1, "St Mary", true, edge, kCentreLon, 19450312},
        {2, "Mary Rose", true, std::nextafter(edge, 1.0), kCentreLon, 1900},
        {3, "", false, kCentreLat + kStep, kCentreLon, 0},
        {4, "", true, kCentreLat - kStep, kCentreLon, 195005},
        {5, "Sandbank", false, kCentreLat, kCentreLon + kStep, 1899},
        {6, "HMS Thames", true, kCentreLat, kCentreLon - kStep, 1951},
    };
    for (const RecordSpec& s : specs) {
      auto* r = new WreckDef;
      r->data.wreckId = s.id;
      r->data.wreckCategory = s.wreck ? 2 : 0;
      r->data.obstructionCategory = s.wreck ? 0 : 3;
      r->data.latitude = s.lat;
      r->data.longitude = s.lon;
      r->data.sunk = s.sunk;
      r->sunkYear = static_cast<std::int16_t>(DateYear(s.sunk));
      r->texts.Set(WreckText::Name, s.name);
      wrecks.Add(r);
    }
    wrecks.earliestYear = 1899;
    wrecks.latestYear = 1960;
    searchList.centreLatitude = kCentreLat;
    searchList.centreLongitude = kCentreLon;
    searchList.searchRadius = 1;
    searchList.showWrecks = searchList.showObstructions = true;
  }
  void TearDown() override {
    for (WreckDef* r : wrecks.records) delete r;
  }

  // Opens the search for `work`, then closes it with OK; a sheet opened on
  // the way is noted by its caption and closed.
  bool Open(const std::function<void(Driver&)>& work, CDatum* datum = nullptr) {
    platform::ui::ScopedAutomation hook([&](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      if (d.TemplateId() != IDD_WRECK_FIND) {
        sheets.push_back(d.Caption());
        return d.End(IDOK);
      }
      ++opened;
      work(d);
      d.Click(IDOK);
    });
    tagXY unused;
    return WreckFinder(&wrecks, &searchList, datum, unused);
  }

  // The ID/Name cell of every row.
  static Texts Names(const Driver& d) {
    Texts names;
    for (const std::string& row : d.Rows(IDC_RESULTS)) {
      const auto start = row.find('\t') + 1;
      names.push_back(row.substr(start, row.find('\t', start) - start));
    }
    return names;
  }

  testing_support::TestMachine machine;
  CWreckList wrecks;
  CWreckList searchList;
  int opened = 0;
  Texts sheets;
};

void FindWithin(Driver& d, const char* radius) {
  d.Type(IDC_RADIUS, radius);
  d.Click(IDC_FIND_LOCATION);
}

// The name field keeps the last search's text; a user clears it first.
void FindName(Driver& d, const char* text) {
  d.Key(IDC_SEARCH_NAME, VK_HOME);
  d.KeyToFocus(VK_END, {true, false});
  d.KeyToFocus(VK_DELETE);
  d.Type(IDC_SEARCH_NAME, text);
  d.Click(IDC_FIND_NAME);
}

TEST_F(WreckFindTest, EachSearchShowsItsMatchesAndCountsThem) {
  struct Case {
    const char* what;
    std::function<void(Driver&)> find;
    Texts shown;
    std::string wrecksFound, obstructionsFound;
    std::int32_t method;
  };
  const Case cases[] = {
      {"radius 0", [](Driver& d) { FindWithin(d, "0"); }, {}, "0", "0", kSearchLocation},
      {"radius 1 NM: the record at 1852 m in, the next one out",
       [](Driver& d) { FindWithin(d, "1"); }, {"St Mary", "WID:3", "WID:4", "Sandbank", "HMS Thames"}, "3", "2", kSearchLocation},
      {"mary in lower case", [](Driver& d) { FindName(d, "mary"); }, {"St Mary", "Mary Rose"}, "2", "0", kSearchName},
      {"a text longer than the name it starts", [](Driver& d) { FindName(d, "St Marys"); }, {}, "0", "0", kSearchName},
      {"years 1950 and 1900, in that order: no sunk date, 1899 and 1951 left out",
       [](Driver& d) {
         d.Choose(IDC_FIRST_YEAR, "1950");
         d.Choose(IDC_LAST_YEAR, "1900");
         d.Click(IDC_FIND_YEARS);
       },
       {"St Mary", "Mary Rose", "WID:4"}, "3", "0", kSearchYears},
      {"an empty name: the method stays", [](Driver& d) { FindName(d, ""); }, {}, "0", "0", kSearchYears},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(Open([&](Driver& d) {
      c.find(d);
      EXPECT_EQ(Names(d), c.shown) << d.Text(IDC_SEARCH_NAME);
      EXPECT_EQ(d.Text(IDC_WRECK_COUNT), c.wrecksFound);
      EXPECT_EQ(d.Text(IDC_OBSTRUCTION_COUNT), c.obstructionsFound);
      EXPECT_EQ(d.IsVisible(IDC_CSV_RESULTS), !c.shown.empty());
      EXPECT_EQ(d.IsVisible(IDC_PRINT_RESULTS), !c.shown.empty());
      EXPECT_FALSE(d.IsVisible(IDC_SEARCH_PROGRESS));
    }));
    EXPECT_EQ(searchList.searchMethod, c.method);
  }
  EXPECT_EQ(searchList.yearFrom, 1900);
  EXPECT_EQ(searchList.yearTo, 1950);
}

TEST_F(WreckFindTest, HidingObstructionsKeepsTheirCountAndRowsStillLeadToTheirOwnRecords) {
  Open([](Driver& d) {
    FindWithin(d, "1");
    d.Click(IDC_SHOW_OBSTRUCTIONS);
    EXPECT_EQ(Names(d), (Texts{"St Mary", "WID:4", "HMS Thames"}));
    EXPECT_EQ(d.Text(IDC_OBSTRUCTION_COUNT), "2");
    d.DoubleClickRow(IDC_RESULTS, 2);
  });
  EXPECT_EQ(sheets, Texts{"Wreck ID 6"});  // the third match is obstruction 3
  CWreckList stored;
  LoadSearchSettings(&stored);
  EXPECT_FALSE(stored.showObstructions);
  EXPECT_EQ(stored.searchMethod, kSearchLocation);
}

TEST_F(WreckFindTest, RefusesAnEmptyOrLoadingList) {
  CWreckList empty;
  tagXY unused;
  EXPECT_FALSE(WreckFinder(&empty, &searchList, nullptr, unused));
  wrecks.loading = true;
  EXPECT_FALSE(Open([](Driver&) {}));
  EXPECT_EQ(opened, 0);
}

TEST_F(WreckFindTest, OpensOnThePreviousSearch) {
  searchList.Add(wrecks.GetAt(0));
  searchList.Add(wrecks.GetAt(2));
  searchList.yearFrom = 1945;  // offered
  searchList.yearTo = 1700;    // not offered: the second entry instead
  searchList.searchName = "Mary";
  Open([](Driver& d) {
    EXPECT_EQ(Names(d), (Texts{"St Mary", "WID:3"}));
    EXPECT_EQ(d.Rows(IDC_FIRST_YEAR).front(), "1960");
    EXPECT_EQ(d.Rows(IDC_FIRST_YEAR).back(), "1899");
    EXPECT_EQ(d.Rows(IDC_FIRST_YEAR)[static_cast<std::size_t>(d.Selection(IDC_FIRST_YEAR))], "1945");
    EXPECT_EQ(d.Selection(IDC_LAST_YEAR), 1);
    EXPECT_EQ(d.Text(IDC_SEARCH_NAME), "Mary");
    EXPECT_EQ(d.Text(IDC_RADIUS), "1.00");
    EXPECT_FALSE(d.IsVisible(IDC_CENTRE_EASTING));
    // The place box selects the place nearest the centre, and choosing one
    // moves the centre there.
    EXPECT_EQ(d.Text(IDC_PLACE), "Plymouth");
    d.Choose(IDC_PLACE, "Penzance");
  });
  EXPECT_EQ(searchList.centreLatitude, 50.1 * kRadiansPerDegree);
  EXPECT_EQ(searchList.centreLongitude, -5.55 * kRadiansPerDegree);
}

// With a grid selected, the centre shows and takes eastings and northings
// through the datum object, and the rows carry them.
TEST_F(WreckFindTest, TheGridCentreFollowsTheEditsThroughTheDatum) {
  CSpheroid far;
  CGridSystem grid;
  CDatum datum;
  datum.farEllipsoid = &far;
  datum.userGrid = &grid;
  ASSERT_TRUE(SelectGrid(grid, &far, 30, 0, 0));  // UTM zone 30 north
  ASSERT_TRUE(datum.SetDatum(0, 0, 1));
  const auto gridText = [&datum](double lat, double lon) {
    const tagXY g = datum.LatLonToGrid({lon, lat});
    return FormatText("%.3lf", g.x) + " " + FormatText("%.3lf", g.y);
  };
  Open([&](Driver& d) {
    EXPECT_EQ(d.Text(IDC_CENTRE_EASTING) + " " + d.Text(IDC_CENTRE_NORTHING), gridText(kCentreLat, kCentreLon));
    EXPECT_NE(d.Text(IDC_CENTRE_EASTING), "0.000");
    d.Type(IDC_CENTRE_LATITUDE, "5130000000N");
    d.Focus(IDC_SEARCH_NAME);
    EXPECT_NEAR(searchList.centreLatitude, 51.5 * kRadiansPerDegree, 1e-12);
    EXPECT_EQ(d.Text(IDC_CENTRE_EASTING) + " " + d.Text(IDC_CENTRE_NORTHING),
              gridText(searchList.centreLatitude, kCentreLon));
    d.Type(IDC_CENTRE_EASTING, "500000");
    d.Type(IDC_CENTRE_NORTHING, "5700000");
    d.Focus(IDC_SEARCH_NAME);
    const tagXY centre = datum.GridToLatLon({500000, 5700000});
    EXPECT_EQ(searchList.centreLatitude, centre.y);
    EXPECT_EQ(searchList.centreLongitude, centre.x);
    FindWithin(d, "1");
    EXPECT_EQ(d.Rows(IDC_RESULTS).size(), 0u);
  }, &datum);
}

}  // namespace
