// CNTv2's sub-grid search, which answers from a coarse table away from
// edges, against a plain walk written here from the rules in NTv2.h: from
// "NONE" down through the children, the first in file order that holds the
// point. The points crowd every limit of every sub-grid, where a cell of
// the table changes its answer, at offsets that straddle the half-open
// extent and the half-second rounding; the answers must be identical.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "NTv2FileWriter.h"
#include "geodesy/shift/NTv2.h"
#include "support/TestMachine.h"

namespace {

bool RoundsTo(double seconds, double limit) { return std::round(seconds) == limit; }

bool PlainHolds(const DataSetDef& g, double lat, double lon) {
  return ((g.sLat <= lat && lat < g.nLat) || RoundsTo(lat, g.nLat)) &&
         ((g.eLong <= lon && lon < g.wLong) || RoundsTo(lon, g.wLong));
}

int PlainSearch(const std::vector<DataSetDef>& grids, double lat, double lon) {
  int found = -1;
  std::string parent = "NONE";
  for (std::size_t depth = 0; depth <= grids.size(); ++depth) {
    int holder = -1;
    for (std::size_t i = 0; i < grids.size() && holder < 0; ++i)
      if (grids[i].parent == parent && PlainHolds(grids[i], lat, lon)) holder = static_cast<int>(i);
    if (holder < 0) break;
    found = holder;
    parent = grids[static_cast<std::size_t>(found)].name;
  }
  return found;
}

tools::NodeShiftFunction NoShift() {
  return [](double, double) { return GridShiftRecordDef{}; };
}

// Limits off whole seconds; siblings that overlap (the first wins), a
// child sharing its parent's western limit, a child reaching beyond its
// parent, two grids at the top level. The second set is small, so that the
// table's cells are a few seconds wide and their edges fall within the
// half-second margins of many limits.
struct Plan { const char *name, *parent; double sLat, nLat, eLong, wLong, inc; };
const std::vector<Plan> kPlanSets[] = {
    {{"WEST", "NONE", 100000, 140000, 200000, 260000, 400},
     {"EAST", "NONE", 100000, 120000, 180000, 200000, 400},
     {"A", "WEST", 110000, 112400, 230000, 260000, 200},
     {"B", "WEST", 111000, 113000, 229000, 231000, 100},
     {"C", "WEST", 139000, 141000, 210000, 212000, 100},
     {"AA", "A", 111000.5, 111030.5, 240000, 240120, 30},
     {"AB", "A", 111200.25, 111210.25, 259990.25, 260000.25, 5},
     {"E1", "EAST", 119000, 121000, 199000, 201000, 100}},
    {{"T", "NONE", 300000, 300200, 500000, 500200, 10},
     {"T1", "T", 300010.25, 300050.25, 500010.75, 500060.75, 5},
     {"T2", "T", 300031.1, 300071.1, 500033.9, 500073.9, 5},
     {"T3", "T", 300107.45, 300147.45, 500101.55, 500141.55, 5},
     {"T11", "T1", 300020.75, 300030.75, 500019.25, 500029.25, 1},
     {"T4", "T", 300160.6, 300200.6, 500160.4, 500200.4, 5}},
};

std::vector<DataSetDef> PlannedGrids(const std::vector<Plan>& plans) {
  std::vector<DataSetDef> grids;
  for (const Plan& p : plans)
    grids.push_back(tools::MakeSubGrid(p.name, p.parent, p.sLat, p.nLat, p.eLong, p.wLong, p.inc, p.inc, NoShift()));
  return grids;
}

// Points off the table (outside its extent, not numbers) are searched.
TEST(NTv2SubGridIndex, AgreesWithThePlainSearchOnEveryEdge) {
  testing_support::TestMachine machine;
  const double offsets[] = {-1.5, -1,   -0.75,   -0.50001, -0.5,    -0.49999, -0.25, -1e-5, 0,
                            1e-5, 0.25, 0.49999, 0.5,      0.50001, 0.75,     1,     1.5};
  const double fractions[] = {0, 0.013, 0.25, 0.5, 0.75, 0.987, 1};
  const double offTable[] = {std::nan(""), INFINITY, -1, 1e300};
  for (const std::vector<Plan>& plans : kPlanSets) {
    CNTv2 ntv2;
    ntv2.SetSubGrids(PlannedGrids(plans));
    const std::vector<DataSetDef>& grids = ntv2.SubGrids();
    const auto check = [&](double lat, double lon) {
      ASSERT_EQ(ntv2.FindSubGrid(lat, lon), PlainSearch(grids, lat, lon)) << lat << " " << lon;
    };
    for (const DataSetDef& g : grids) {
      for (const double d : offsets) {
        for (const double f : fractions) {
          const double lat = g.sLat + f * (g.nLat - g.sLat), lon = g.eLong + f * (g.wLong - g.eLong);
          for (const double limit : {g.sLat, g.nLat}) check(limit + d, lon);
          for (const double limit : {g.eLong, g.wLong}) check(lat, limit + d);
        }
        for (const double e : offsets)
          for (const double latLimit : {g.sLat, g.nLat})
            for (const double lonLimit : {g.eLong, g.wLong}) check(latLimit + d, lonLimit + e);
      }
      for (const double x : offTable) {
        check(x, g.eLong);
        check(g.sLat, x);
      }
    }
  }
}

}  // namespace
