// The place table, the location combo box's choice of the nearest place
// (checked against GeographicLib's exact geodesic), the lookup by name, and
// the rich edit field's reports to its parent.

#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "EditFields.h"
#include "controls/MyRichEditCtrl.h"
#include "controls/UKLocationComboBox.h"
#include "frame/MessageNames.h"
#include "geodesy/angle/AngleUnits.h"
#include "platform/ui/RegisteredMessages.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Radians(double degrees) { return degrees * kRadiansPerDegree; }

// The places' names in table order.
std::vector<std::string> PlaceNames() {
  std::vector<std::string> names;
  for (const UKPlaceDef& place : UKPlaces()) names.emplace_back(place.name);
  return names;
}

// The count and the last row are checked through 'overlays places'; here
// the end mark, one name a place, and every place where it can be.
TEST(UKPlaces, TableHoldsTheRowsInOrderClosedByAnEmptyName) {
  EXPECT_EQ(kUKPlaceTable.back().name[0], '\0');
  const std::vector<std::string> names = PlaceNames();
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << "a name twice";
  for (const UKPlaceDef& place : UKPlaces()) {
    EXPECT_TRUE(place.latitude > 49 && place.latitude < 61 && place.longitude > -14 && place.longitude < 2)
        << place.name << " lies outside the British Isles: latitude and longitude swapped or mistyped";
  }
}

// A combo box on a bare parent, as a dialog would hold it.
class LocationBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    parent.Create("parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0);
    box.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 200, 200), &parent, 7249);
  }
  std::string Selected() const { return box.GetCurSel() < 0 ? "(none)" : box.GetLBText(box.GetCurSel()); }

  CWnd parent;
  CUKLocationComboBox box;
};

TEST_F(LocationBoxTest, SelectsTheNearestPlaceAndAddsTheNamesOnce) {
  struct Case { double latitude, longitude; const char* expected; };
  const Case cases[] = {
      {50.12, -5.53, "Penzance"},
      // Far away, the nearest of the places all the same (GeographicLib's choices below), poles included.
      {-90, 0, "St.Mary's"},
      {90, 0, "Burra Firth"},
      // On the antipode of Penzance its line is refused, not taken as 0 m.
      {-50.1, 174.45, "Burra Firth"},
  };
  for (const Case& c : cases) {
    box.SelectNearest(Radians(c.latitude), Radians(c.longitude));
    EXPECT_EQ(Selected(), c.expected) << c.latitude << " " << c.longitude;
  }
  EXPECT_EQ(box.Texts(), PlaceNames()) << "names added once, in table order";
}

// Every place is its own nearest: a swapped or misplaced row shows here.
TEST_F(LocationBoxTest, EveryPlaceSelectsItself) {
  for (const UKPlaceDef& place : UKPlaces()) {
    const NearestPlace nearest = box.SelectNearest(Radians(place.latitude), Radians(place.longitude));
    EXPECT_EQ(Selected(), place.name);
    EXPECT_EQ(nearest.distance, 0.0) << place.name;
  }
}

// The owner may fill the list itself: then nothing is added, the place is
// found by its exact text, and without it the first entry is selected; an
// unmeasurable position selects the first entry too.
TEST_F(LocationBoxTest, FindsTheNameAmongTheOwnersEntriesElseTheFirst) {
  struct Case { std::vector<std::string> entries; double latitude, longitude; const char* expected; };
  const Case cases[] = {
      {{"Harbour", "Penzance"}, 50.1, -5.55, "Penzance"},
      {{"Harbour", "Penzance (West Cornwall)"}, 50.1, -5.55, "Harbour"},
      {{"Harbour", "Penzance"}, kNaN, kNaN, "Harbour"},
  };
  for (const Case& c : cases) {
    box.ResetContent();
    for (const std::string& entry : c.entries) box.AddString(entry);
    box.SelectNearest(Radians(c.latitude), Radians(c.longitude));
    EXPECT_EQ(Selected(), c.expected);
    EXPECT_EQ(box.Texts(), c.entries);
  }
}

// Equal distances by construction: the same position under two names,
// alone and among the real places, put after and before the original.
TEST(UKPlaces, OnEqualDistancesTheEarlierPlaceWins) {
  const UKPlaceDef twins[] = {{"First", 55, -3}, {"Second", 55, -3}, {"", 0, 0}};
  EXPECT_EQ(FindNearestPlace(twins, Radians(56), Radians(-4)).index, 0);

  UKPlaceDef copy = UKPlaces()[1];
  ASSERT_STREQ(copy.name, "Penzance");
  copy.name[0] = 'p';
  std::vector<UKPlaceDef> places(UKPlaces().begin(), UKPlaces().end());
  places.push_back(copy);
  EXPECT_EQ(FindNearestPlace(places, Radians(50.1), Radians(-5.56)).index, 1);
  places.insert(places.begin(), copy);
  EXPECT_EQ(FindNearestPlace(places, Radians(50.1), Radians(-5.56)).index, 0);
}

// Our distance (method 0 on WGS 1984) against GeographicLib's exact one.
// Tolerance 2 mm: the worst error of method 0 for lines of any length is
// 1.6 mm (geodesic/GeodesicInverse.h); the degree factor of the module
// moves a point by less than 0.1 um. The choice must be GeographicLib's
// nearest place too.
TEST(UKPlaces, DistancesAndChoicesAgreeWithGeographicLib) {
  const GeographicLib::Geodesic& exact = GeographicLib::Geodesic::WGS84();
  constexpr double kToleranceMetres = 2e-3;
  // Degrees as the module's factor makes them, so both measure the same points.
  const auto degrees = [](double d) { return Radians(d) * 180 / std::numbers::pi; };
  const double positions[][2] = {{0, 0}, {51.1, 1.5}, {58.5, -3.1}, {54.2, -4.6}, {-33.9, 151.2}, {40.7, -74.0}};
  for (const auto& [latitude, longitude] : positions) {
    std::vector<double> s12(UKPlaces().size());
    for (std::size_t i = 0; i < s12.size(); ++i) {
      const UKPlaceDef& place = UKPlaces()[i];
      exact.Inverse(degrees(latitude), degrees(longitude), degrees(place.latitude), degrees(place.longitude), s12[i]);
    }
    const NearestPlace ours = FindNearestPlace(UKPlaces(), Radians(latitude), Radians(longitude));
    ASSERT_GE(ours.index, 0);
    EXPECT_EQ(ours.index, std::min_element(s12.begin(), s12.end()) - s12.begin()) << latitude << " " << longitude;
    EXPECT_NEAR(ours.distance, s12[static_cast<std::size_t>(ours.index)], kToleranceMetres) << latitude;
  }
}

// The wreck search turns a chosen entry back into a place: the first whose
// name occurs in the entry's text.
TEST(UKPlaces, LookupByNameFindsTheFirstPlaceNamedInTheText) {
  struct Case { const char* text; const char* expected; };
  const Case cases[] = {
      {"St. Mary's (Scapa Flow)", "St. Mary's (Scapa Flow)"},
      {"St.Mary's", "St.Mary's"},
      {"off Dover Harbour", "Dover"},
      {"Burnham-On-Sea", "Burnham-On-Sea"},
      {"penzance", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    const UKPlaceDef* place = FindPlaceInText(c.text);
    EXPECT_EQ(place ? std::string(place->name) : "(none)", c.expected ? c.expected : "(none)") << c.text;
  }
}

// The module's rich edit field, multi-line, in the test dialog of the edit fields.
class RichEditTest : public testing::Test {
 protected:
  using Dialog = edit_test::FieldDialog<CMyRichEditCtrl>;
  RichEditTest() {
    dialog.Open();
    dialog.field.ModifyStyle(0, ES_MULTILINE | ES_WANTRETURN);
    Dialog::TakePosted();
  }
  edit_test::Posted Report(LPARAM event) const {
    const UINT richEdit = platform::ui::RegisterWindowMessage(messages::kRichEdit);
    return {dialog.m_hWnd, richEdit, MAKEWPARAM(edit_test::kFieldId, richEdit), event};
  }

  edit_test::FieldResources resources;
  Dialog dialog;
};

// Each key and left click is reported once; Enter breaks the line in the
// field rather than pressing OK; a read-only field still reports but does
// not change.
TEST_F(RichEditTest, ReportsKeysAndClicksToItsParent) {
  const std::vector<edit_test::Posted> twoKeys = {Report(kRichEditKeyPressed), Report(kRichEditKeyPressed)};
  dialog.Keys("ab");
  EXPECT_EQ(Dialog::TakePosted(), twoKeys);
  dialog.Keys("{ENTER}c");
  EXPECT_EQ(Dialog::TakePosted(), twoKeys);
  EXPECT_EQ(dialog.field.GetWindowText(), "ab\nc");
  EXPECT_EQ(dialog.field.GetLineCount(), 2);
  EXPECT_FALSE(dialog.IsEnded()) << "Enter pressed the default button";
  dialog.Driver().Click(edit_test::kFieldId);
  EXPECT_EQ(Dialog::TakePosted(), std::vector{Report(kRichEditClicked)});
  dialog.field.SetReadOnly();
  dialog.Keys("d");
  EXPECT_EQ(Dialog::TakePosted(), std::vector{Report(kRichEditKeyPressed)});
  EXPECT_EQ(dialog.field.GetWindowText(), "ab\nc");
}

}  // namespace
