// The desktop host's position choice as its settings file holds it: a
// datum and grid the tables hold give the read-out's easting and northing
// (PROJ is the oracle), and whatever else the file holds (nothing, a
// family, row or grid that does not exist, words for numbers) leaves the
// read-out at latitude and longitude without failing.

#include <cstdio>
#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <proj.h>

#include "PositionChoice.h"
#include "chart/CursorReadout.h"
#include "frame/ConfigFile.h"
#include "support/TestMachine.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
const chart::GeoPosition kPlymouth{50.365 * kRadiansPerDegree, -4.1425 * kRadiansPerDegree};

std::string Settings(const std::string& datum, const std::string& grid) {
  return "Datum = " + datum + "\nGrid = " + grid + "\n";
}

struct ChoiceCase {
  const char* name;
  std::optional<std::string> file;  // none: no settings file
  bool onUtm30;                     // else no grid position at all
};

const ChoiceCase kChoices[] = {
    {"no settings file", std::nullopt, false},
    {"UTM zone 30 north, grid to grid on WGS 1984", Settings("0:0", "0:30:0"), true},
    {"a family beyond the tables", Settings("42:0", "0:30:0"), false},
    {"a row beyond its family", Settings("1:9999", "0:30:0"), false},
    {"a negative row", Settings("1:-1", "0:30:0"), false},
    {"a grid kind beyond the catalogue", Settings("0:0", "99:0:0"), false},
    {"a zone beyond the UTM list", Settings("0:0", "0:4000000000:0"), false},
    {"a number too large to hold", Settings("0:99999999999999999999", "0:30:0"), false},
    {"cut short before the grid", std::string("Datum = 0:0\n"), false},
    {"words for numbers", Settings("zero:one", "0:30:0"), false},
    {"a direction other than reverse", Settings("0:0:sideways", "0:30:0"), false},
};

TEST(DesktopMenusPosition, TheSavedChoiceGivesTheReadoutsGridOrNone) {
  PJ* utm = proj_create_crs_to_crs(nullptr, "EPSG:4326", "EPSG:32630", nullptr);
  ASSERT_NE(utm, nullptr);
  const PJ_COORD expected = proj_trans(utm, PJ_FWD, proj_coord(50.365, -4.1425, 0, 0));
  proj_destroy(utm);
  for (const ChoiceCase& c : kChoices) {
    SCOPED_TRACE(c.name);
    testing_support::TestMachine machine;
    if (c.file) machine.Write(CConfigFile().GetFilePath(desktop::kPositionSettingsGroup), *c.file);
    host::DatumHost holder;
    desktop::ApplyPositionChoice(holder, desktop::LoadPositionChoice());
    const std::string text = chart::GridText(kPlymouth, &holder.datum).toStdString();
    if (!c.onUtm30) {
      EXPECT_EQ(text, "");
      continue;
    }
    double easting = 0, northing = 0;
    ASSERT_EQ(std::sscanf(text.c_str(), "E %lf N %lf", &easting, &northing), 2) << text;
    // The read-out rounds to whole metres.
    EXPECT_NEAR(easting, expected.xy.x, 0.5);
    EXPECT_NEAR(northing, expected.xy.y, 0.5);
  }
}

}  // namespace
