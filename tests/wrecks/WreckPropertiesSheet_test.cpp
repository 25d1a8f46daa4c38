// The wreck property sheet, worked as a user would: each record is shown
// through DisplayWreckProperties and its pages are read while it is open.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "geodesy/DatumHolder.h"
#include "platform/ui/Automation.h"
#include "platform/ui/DC.h"
#include "platform/ui/Edit.h"
#include "wrecks/WreckFieldText.h"
#include "wrecks/WreckPropertiesSheet.h"
#include "wrecks/WreckPropertyResources.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using Texts = std::vector<std::pair<int, std::string>>;

constexpr double kRadians = 0.017453292519943;

WreckDef Record(const std::function<void(WreckDef&)>& change = {}) {
  WreckDef w;
  ResetWreckRecord(w);
  w.data.wreckId = 4711;
  if (change) change(w);
  return w;
}

// Every field with something to show.
WreckDef RichRecord() {
  return Record([](WreckDef& w) {
    WreckDataDef& d = w.data;
    d.wreckCategory = 2, d.status = 3, d.positionMethod = 8, d.vesselType = 19, d.cargo = 5;
    d.latitude = 50.5 * kRadians, d.longitude = -4.25 * kRadians;
    d.soundingTechnique = 1, d.depth = 12.3f, d.soundingQuality = 1, d.seabedTexture = 4;
    std::memcpy(d.nationality, "GB", 2);
    d.tonnage = 1250, d.tonnageKind = 3, d.length = 45, d.width = 8, d.draught = 3.5f;
    d.sonarLength = 40, d.sonarWidth = 9, d.sonarShadowHeight = 2.5f, d.sonarOrientation = 45;
    d.scourLength = 60, d.scourDepth = 1.5f, d.scourOrientation = 120;
    d.debrisLength = 12, d.debrisOrientation = 0;
    d.originalSensor = 2, d.lastSensor = 11, d.originalSensorDate = 191705, d.lastSensorDate = 20190312;
    d.originalSource = 2, d.sunk = 19170512, d.reported = 1917, d.amended = 202001;
    w.texts.Assign({"Mary Rose", "Wk (GB)", "Sank in a gale.\nAll saved.", "Swept 2019.", "Nets foul here."});
  });
}

// Shows the record; `read` gets the open sheet on its first turn.
void Show(WreckDef& record, CDatum* datum, const std::function<void(Driver&)>& read) {
  bool shown = false;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    shown = true;
    read(d);
    d.End(IDCANCEL);
  });
  DisplayWreckProperties(&record, datum);
  EXPECT_TRUE(shown);
}

void ExpectTexts(Driver& d, const Texts& expected) {
  for (const auto& [id, text] : expected) EXPECT_EQ(d.Text(id), text) << "control " << id;
}

// The edge values of the General page's rules; the sheet opens on that
// page. Unlisted fields of a row are not looked at.
TEST(WreckGeneralPage, TextsOfEdgeRecords) {
  const struct {
    const char* what;
    std::function<void(WreckDef&)> change;
    Texts texts;
  } rows[] = {
      {"all zero", {},
       {{IDC_GENERAL_DEPTH, ""}, {IDC_GENERAL_TONNAGE, ""}, {IDC_GENERAL_CATEGORY, ""}, {IDC_GENERAL_STATUS, ""},
        {IDC_GENERAL_DIMENSIONS, ""}, {IDC_GENERAL_DEBRIS, ""}, {IDC_GENERAL_FLAG, ""}, {IDC_GENERAL_TYPE, ""},
        {IDC_GENERAL_LATITUDE, "n/a"}, {IDC_GENERAL_LONGITUDE, "n/a"}, {IDC_GENERAL_EASTING, "n/a"}}},
      {"drying height", [](WreckDef& w) { w.data.depth = -1.5f; }, {{IDC_GENERAL_DEPTH, "Drying Height 1.5m."}}},
      {"pieces joined", [](WreckDef& w) { w.data.soundingTechnique = 1, w.data.depth = 12.3f, w.data.soundingQuality = 1; },
       {{IDC_GENERAL_DEPTH, "Found by echo sounderDepth 12.3m.Depth known"}}},
      {"water level first", [](WreckDef& w) { w.data.waterLevel = 2; }, {{IDC_GENERAL_DEPTH, "Water Level 2m."}}},
      {"three lines",
       [](WreckDef& w) {
         WreckDataDef& d = w.data;
         d.soundingTechnique = 2, d.depth = 3.7f, d.soundingQuality = 2, d.accuracy = 15, d.waterLevel = 2;
         d.waterLevelEffect = 2, d.verticalDatum = 2;
       },
       {{IDC_GENERAL_DEPTH,
         "Found by side scan sonarDepth 3.7m.Depth unknownAccuracy 15.0 \nWater Level 2m.Always dry\n"
         "Mean lower low water springs"}}},
      // Codes out of their tables give no text, but a vertical datum other
      // than 0 still starts its line.
      {"codes out of range",
       [](WreckDef& w) {
         WreckDataDef& d = w.data;
         d.soundingTechnique = 17, d.depth = 5, d.soundingQuality = -1, d.waterLevelEffect = 8, d.verticalDatum = 33;
         d.status = 10, d.vesselType = 142, d.cargo = -3, d.wreckCategory = 6, d.tonnage = 100, d.tonnageKind = 5;
       },
       {{IDC_GENERAL_DEPTH, "Depth 5.0m.\n"}, {IDC_GENERAL_STATUS, ""}, {IDC_GENERAL_TYPE, ""},
        {IDC_GENERAL_CARGO, ""}, {IDC_GENERAL_CATEGORY, ""}, {IDC_GENERAL_TONNAGE, "100 "}}},
      {"last codes", [](WreckDef& w) { w.data.vesselType = 141, w.data.cargo = 72, w.data.status = 9; },
       {{IDC_GENERAL_TYPE, "Unknown"}, {IDC_GENERAL_CARGO, "iron ingots"}, {IDC_GENERAL_STATUS, "Temporary"}}},
      {"tonnage without a size", [](WreckDef& w) { w.data.tonnageKind = 3; }, {{IDC_GENERAL_TONNAGE, ""}}},
      {"obstruction", [](WreckDef& w) { w.data.obstructionCategory = 3; }, {{IDC_GENERAL_CATEGORY, "Diffuser"}}},
      {"lower-case nationality", [](WreckDef& w) { std::memcpy(w.data.nationality, "gb", 2); },
       {{IDC_GENERAL_FLAG, "United Kingdom"}}},
      {"negative sizes show", [](WreckDef& w) { w.data.length = -2, w.data.draught = 3.5f; },
       {{IDC_GENERAL_DIMENSIONS, "Length -2.0m Draught 3.5m "}}},
      {"debris orientation 0", [](WreckDef& w) { w.data.debrisLength = 12, w.data.debrisOrientation = 0; },
       {{IDC_GENERAL_DEBRIS, "Length 12.0mOrientation 0.0 "}}},
      {"debris without orientation", [](WreckDef& w) { w.data.debrisLength = 12; },
       {{IDC_GENERAL_DEBRIS, "Length 12.0m"}}},
      {"latitude only", [](WreckDef& w) { w.data.latitude = -0.5 * kRadians; },
       {{IDC_GENERAL_LATITUDE, "00\xB0 30'.0000000S"}, {IDC_GENERAL_LONGITUDE, "000\xB0 00'.0000000E"}}},
  };
  testing_support::TestMachine machine;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    WreckDef record = Record(row.change);
    Show(record, nullptr, [&](Driver& d) { ExpectTexts(d, row.texts); });
  }
}

// The sonar's orientation needs a size; the scour's does not.
TEST(WreckSurveyTexts, OrientationRules) {
  const struct {
    float length, width;
    std::int16_t orientation;
    const char *sonar, *scour;
  } rows[] = {
      {0, 0, 45, "", "Orientation 45\xB0"},
      {0, 3, -1, "Width 3.0m ", "Width 3.0m "},
      {2, 0, 0, "Length 2.0m Orientation 0\xB0", "Length 2.0m Orientation 0\xB0"},
      {-2, -3, -1, "", ""},
  };
  for (const auto& r : rows) {
    WreckDataDef d{};
    d.sonarLength = d.scourLength = r.length;
    d.sonarWidth = d.scourWidth = r.width;
    d.sonarOrientation = d.scourOrientation = r.orientation;
    EXPECT_EQ(SonarText(d), r.sonar) << r.length << " " << r.width << " " << r.orientation;
    EXPECT_EQ(ScourText(d), r.scour) << r.length << " " << r.width << " " << r.orientation;
  }
}

// The six grid controls show only with a datum that has a grid; eastings
// and northings are the datum object's own, to the millimetre.
TEST(WreckGeneralPage, GridFieldsFollowTheDatum) {
  constexpr int kGridControls[] = {IDC_GENERAL_EASTING_LABEL, IDC_GENERAL_EASTING,   IDC_GENERAL_NORTHING_LABEL,
                                   IDC_GENERAL_NORTHING,      IDC_GENERAL_ELLIPSOID, IDC_GENERAL_GRID};
  const struct {
    bool datum;
    int family;
    std::uint32_t row, gridKind, gridRow;
    const char *ellipsoid, *grid;
  } rows[] = {
      {false, 0, 0, 0, 30, "", ""},
      {true, -1, 0, 0, 30, "", ""},
      {true, 0, 0, 0, 30, "WGS 1984", "UTM Grid Zone 30 (3\xB0 W)"},
      {true, 1, 0, 0, 30, "International Spheroid", "UTM Grid Zone 30 (3\xB0 W)"},
      {true, 2, 0, 1, 0, "Airy 1830", "OSTN15 transformation"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << "family " << r.family << (r.datum ? "" : " (no datum)"));
    datum_holder::Holder holder(r.family == 2);
    ASSERT_TRUE(holder.Select(r.gridRow, r.gridKind, 0, r.family, r.row));
    WreckDef record = RichRecord();
    const tagXY grid = holder.datum->LatLonToGrid({record.data.longitude, record.data.latitude});
    const bool shown = *r.ellipsoid != '\0';
    if (shown) {
      EXPECT_GT(grid.x, 0) << "the point lies inside the grid";
    }
    Show(record, r.datum ? holder.datum.get() : nullptr, [&](Driver& d) {
      for (int id : kGridControls) EXPECT_EQ(d.IsVisible(id), shown) << id;
      if (!shown) return;
      ExpectTexts(d, {{IDC_GENERAL_EASTING, FormatText("%.3lf", grid.x)},
                      {IDC_GENERAL_NORTHING, FormatText("%.3lf", grid.y)},
                      {IDC_GENERAL_ELLIPSOID, r.ellipsoid},
                      {IDC_GENERAL_GRID, r.grid}});
    });
  }
}

// Every page of one record, read tab by tab; the record is not touched.
TEST(WreckPropertiesSheet, EveryPageOfARichRecord) {
  const std::vector<Texts> pages = {
      {{IDC_GENERAL_NAME, "Mary Rose"}, {IDC_GENERAL_FLAG, "United Kingdom"}, {IDC_GENERAL_TYPE, "trawler"},
       {IDC_GENERAL_CARGO, "Coal"}, {IDC_GENERAL_TONNAGE, "1250 Gross"}, {IDC_GENERAL_CATEGORY, "Dangerous wreck"},
       {IDC_GENERAL_STATUS, "Live"}, {IDC_GENERAL_DEPTH, "Found by echo sounderDepth 12.3m.Depth known"},
       {IDC_GENERAL_SEABED, "Sand"}, {IDC_GENERAL_LATITUDE, "50\xB0 30'.0000000N"},
       {IDC_GENERAL_LONGITUDE, "004\xB0 15'.0000000W"}, {IDC_GENERAL_METHOD, "Global Positioning System"},
       {IDC_GENERAL_DIMENSIONS, "Length 45.0m Width 8.0m Draught 3.5m "},
       {IDC_GENERAL_DEBRIS, "Length 12.0mOrientation 0.0 "}, {IDC_GENERAL_COMMENT, "Nets foul here."}},
      {{IDC_SURVEY_SONAR, "Length 40.0m Width 9.0m Shadow Height 2.5m. Orientation 45\xB0"},
       {IDC_SURVEY_SOURCE, "Survey vessel"}, {IDC_SURVEY_SCOUR, "Length 60.0m Depth 1.5m. Orientation 120\xB0"},
       {IDC_SURVEY_ORIGINAL_SENSOR, "acoustic sensor"}, {IDC_SURVEY_ORIGINAL_DATE, "May 1917"},
       {IDC_SURVEY_LAST_SENSOR, "Lidar"}, {IDC_SURVEY_LAST_DATE, "12 Mar 2019"}, {IDC_SURVEY_TEXT, "Swept 2019."}},
      {{IDC_HISTORY_SUNK, "12 May 1917"}, {IDC_HISTORY_REPORTED, "1917"}, {IDC_HISTORY_AMENDED, "Jan 2020"},
       {IDC_HISTORY_TEXT, "Sank in a gale.\nAll saved."}},
      {{IDC_CHARTING_SYMBOL, "Wk (GB)"}},
  };
  testing_support::TestMachine machine;
  WreckDef record = RichRecord();
  const WreckDef before = record;
  std::vector<std::string> captions;
  Show(record, nullptr, [&](Driver& d) {
    captions.push_back(d.Caption());
    for (std::size_t page = 0; page < pages.size(); ++page) {
      d.SelectTab(static_cast<int>(page));
      captions.push_back(dynamic_cast<CPropertySheet&>(d.Dialog()).GetActivePage()->GetWindowText());
      ExpectTexts(d, pages[page]);
      EXPECT_TRUE(d.ItemAs<CEdit>(pages[page].back().first).GetStyle() & ES_READONLY);
    }
  });
  EXPECT_EQ(captions, (std::vector<std::string>{"Wreck ID 4711", "General", "Survey", "History", "Charting"}));
  EXPECT_EQ(std::memcmp(&before.data, &record.data, sizeof record.data), 0);
  for (std::size_t t = 0; t < kWreckTextCount; ++t)
    EXPECT_EQ(before.texts.Get(WreckText(t)), record.texts.Get(WreckText(t)));
}

// Value fields with text are black on yellow; empty or blank ones, the
// fields that are never highlighted and the depth text keep the dark look.
TEST(WreckPropertiesSheet, ValueFieldsWithTextAreHighlighted) {
  const struct {
    int page, id;
    bool highlighted;
  } rows[] = {
      {0, IDC_GENERAL_NAME, true},       {0, IDC_GENERAL_COMMENT, true}, {0, IDC_GENERAL_DEPTH, false},
      {0, IDC_GENERAL_TONNAGE, false},   {0, IDC_GENERAL_GRID, false},   {1, IDC_SURVEY_LAST_DATE, true},
      {1, IDC_SURVEY_TEXT, false},       {2, IDC_HISTORY_SUNK, true},    {2, IDC_HISTORY_AMENDED, false},
      {2, IDC_HISTORY_TEXT, false},  // blanks only
  };
  testing_support::TestMachine machine;
  WreckDef record = RichRecord();
  record.data.tonnage = 0, record.data.amended = 0;
  record.texts.Set(WreckText::History, " \n ");
  Show(record, nullptr, [&](Driver& d) {
    for (const auto& r : rows) {
      d.SelectTab(r.page);
      CDC dc;
      CWnd& control = d.Item(r.id);
      const auto* brush = reinterpret_cast<const CBrush*>(control.GetParent()->SendMessage(
          WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(&control)));
      ASSERT_NE(brush, nullptr);
      const bool yellow = brush->Colour() == RGB(255, 255, 0) && dc.GetBkColor() == RGB(255, 255, 0) &&
                          dc.GetTextColor() == RGB(0, 0, 0);
      EXPECT_EQ(yellow, r.highlighted) << r.id;
    }
  });
}

// The flag icon shows the flag's 32 x 20 image, or hides for a country
// without a flag; the status icon comes from the flag icon library.
TEST(WreckGeneralPage, FlagAndStatusIcons) {
  const struct {
    const char* nationality;
    std::int16_t status;
    bool flag, statusIcon;
  } rows[] = {{"GB", 3, true, true}, {"RU", 10, false, false}, {"\0\0", 0, false, true}};
  testing_support::TestMachine machine;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.nationality);
    WreckDef record = Record([&](WreckDef& w) {
      std::memcpy(w.data.nationality, r.nationality, 2);
      w.data.status = r.status;
    });
    Show(record, nullptr, [&](Driver& d) {
      EXPECT_EQ(d.IsVisible(IDC_GENERAL_FLAG_ICON), r.flag);
      const CBitmap* flag = d.ItemAs<CStatic>(IDC_GENERAL_FLAG_ICON).GetBitmap();
      if (r.flag) {
        ASSERT_NE(flag, nullptr);
        EXPECT_EQ(flag->GetSize(), CSize(32, 20));
      }
      EXPECT_EQ(d.ItemAs<CStatic>(IDC_GENERAL_STATUS_ICON).GetBitmap() != nullptr, r.statusIcon);
    });
  }
}

}  // namespace
