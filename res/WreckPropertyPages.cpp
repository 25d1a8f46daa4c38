// Dialog templates of the four pages of the wreck property sheet. Values
// are plain texts the pages fill; the long free texts are read-only rich
// edit fields.

#include "frame/ModuleEntry.h"
#include "platform/ui/DialogTemplate.h"
#include "wrecks/WreckPropertyResources.h"

namespace {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

constexpr int kUnnamed = 0xFFFF;  // labels and frames nobody addresses
constexpr DWORD kText = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kIcon = WS_CHILD | WS_VISIBLE | SS_BITMAP;
constexpr DWORD kGroup = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kFreeText = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY;
constexpr DWORD kPage = WS_CHILD | WS_CAPTION;

constexpr DialogItemTemplate kGeneralItems[] = {
    {kUnnamed, ControlKind::Static, "Name", {7, 7, 40, 10}, kText},
    {IDC_GENERAL_NAME, ControlKind::Static, "", {50, 7, 200, 10}, kText},
    {kUnnamed, ControlKind::Static, "Flag", {257, 7, 40, 10}, kText},
    {IDC_GENERAL_FLAG, ControlKind::Static, "", {300, 7, 160, 10}, kText},
    {IDC_GENERAL_FLAG_ICON, ControlKind::Static, "", {466, 2, 32, 20}, kIcon},
    {kUnnamed, ControlKind::Static, "Type", {7, 21, 40, 10}, kText},
    {IDC_GENERAL_TYPE, ControlKind::Static, "", {50, 21, 200, 10}, kText},
    {kUnnamed, ControlKind::Static, "Cargo", {257, 25, 40, 10}, kText},
    {IDC_GENERAL_CARGO, ControlKind::Static, "", {300, 25, 202, 10}, kText},
    {kUnnamed, ControlKind::Static, "Tonnage", {7, 35, 40, 10}, kText},
    {IDC_GENERAL_TONNAGE, ControlKind::Static, "", {50, 35, 200, 10}, kText},
    {kUnnamed, ControlKind::Static, "Category", {257, 39, 40, 10}, kText},
    {IDC_GENERAL_CATEGORY, ControlKind::Static, "", {300, 39, 202, 10}, kText},
    {kUnnamed, ControlKind::Static, "Status", {7, 49, 40, 10}, kText},
    {IDC_GENERAL_STATUS, ControlKind::Static, "", {50, 49, 180, 10}, kText},
    {IDC_GENERAL_STATUS_ICON, ControlKind::Static, "", {234, 47, 16, 14}, kIcon},
    {kUnnamed, ControlKind::Button, "Depth", {7, 65, 245, 80}, kGroup},
    {IDC_GENERAL_DEPTH, ControlKind::RichEdit, "", {13, 76, 233, 48}, kFreeText},
    {kUnnamed, ControlKind::Static, "Seabed Texture", {13, 129, 60, 10}, kText},
    {IDC_GENERAL_SEABED, ControlKind::Static, "", {75, 129, 171, 10}, kText},
    {kUnnamed, ControlKind::Button, "Position", {257, 55, 245, 122}, kGroup},
    {kUnnamed, ControlKind::Static, "Positions relative to WGS84 datum.", {263, 66, 233, 10}, kText},
    {kUnnamed, ControlKind::Static, "Latitude", {263, 80, 50, 10}, kText},
    {IDC_GENERAL_LATITUDE, ControlKind::Static, "", {315, 80, 181, 10}, kText},
    {kUnnamed, ControlKind::Static, "Longitude", {263, 94, 50, 10}, kText},
    {IDC_GENERAL_LONGITUDE, ControlKind::Static, "", {315, 94, 181, 10}, kText},
    {IDC_GENERAL_EASTING_LABEL, ControlKind::Static, "Easting", {263, 108, 50, 10}, kText},
    {IDC_GENERAL_EASTING, ControlKind::Static, "", {315, 108, 181, 10}, kText},
    {IDC_GENERAL_NORTHING_LABEL, ControlKind::Static, "Northing", {263, 122, 50, 10}, kText},
    {IDC_GENERAL_NORTHING, ControlKind::Static, "", {315, 122, 181, 10}, kText},
    {IDC_GENERAL_ELLIPSOID, ControlKind::Static, "", {263, 136, 115, 10}, kText},
    {IDC_GENERAL_GRID, ControlKind::Static, "", {381, 136, 115, 10}, kText},
    {kUnnamed, ControlKind::Static, "Method", {263, 158, 50, 10}, kText},
    {IDC_GENERAL_METHOD, ControlKind::Static, "", {315, 158, 181, 10}, kText},
    {kUnnamed, ControlKind::Button, "Dimensions", {7, 150, 245, 28}, kGroup},
    {IDC_GENERAL_DIMENSIONS, ControlKind::Static, "", {13, 161, 233, 10}, kText},
    {kUnnamed, ControlKind::Button, "Debris", {7, 182, 245, 28}, kGroup},
    {IDC_GENERAL_DEBRIS, ControlKind::Static, "", {13, 193, 233, 10}, kText},
    {kUnnamed, ControlKind::Button, "Comment", {257, 182, 245, 93}, kGroup},
    {IDC_GENERAL_COMMENT, ControlKind::RichEdit, "", {263, 193, 233, 76}, kFreeText},
};
constexpr DialogTemplate kGeneral{IDD_WRECK_GENERAL, "General", {0, 0, 509, 282}, kPage, kGeneralItems};

constexpr DialogItemTemplate kSurveyItems[] = {
    {kUnnamed, ControlKind::Button, "Sonar", {7, 7, 245, 28}, kGroup},
    {IDC_SURVEY_SONAR, ControlKind::Static, "", {13, 18, 233, 10}, kText},
    {kUnnamed, ControlKind::Button, "Original Source", {257, 7, 245, 28}, kGroup},
    {IDC_SURVEY_SOURCE, ControlKind::Static, "", {263, 18, 233, 10}, kText},
    {kUnnamed, ControlKind::Button, "Scour", {7, 39, 245, 28}, kGroup},
    {IDC_SURVEY_SCOUR, ControlKind::Static, "", {13, 50, 233, 10}, kText},
    {kUnnamed, ControlKind::Button, "Sensor", {257, 39, 245, 42}, kGroup},
    {kUnnamed, ControlKind::Static, "Original", {263, 50, 40, 10}, kText},
    {IDC_SURVEY_ORIGINAL_SENSOR, ControlKind::Static, "", {305, 50, 120, 10}, kText},
    {IDC_SURVEY_ORIGINAL_DATE, ControlKind::Static, "", {430, 50, 66, 10}, kText},
    {kUnnamed, ControlKind::Static, "Last", {263, 64, 40, 10}, kText},
    {IDC_SURVEY_LAST_SENSOR, ControlKind::Static, "", {305, 64, 120, 10}, kText},
    {IDC_SURVEY_LAST_DATE, ControlKind::Static, "", {430, 64, 66, 10}, kText},
    {IDC_SURVEY_TEXT, ControlKind::RichEdit, "", {7, 88, 495, 187}, kFreeText},
};
constexpr DialogTemplate kSurvey{IDD_WRECK_SURVEY, "Survey", {0, 0, 509, 282}, kPage, kSurveyItems};

constexpr DialogItemTemplate kHistoryItems[] = {
    {kUnnamed, ControlKind::Static, "Sunk", {7, 7, 40, 10}, kText},
    {IDC_HISTORY_SUNK, ControlKind::Static, "", {50, 7, 100, 10}, kText},
    {kUnnamed, ControlKind::Static, "Reported", {170, 7, 40, 10}, kText},
    {IDC_HISTORY_REPORTED, ControlKind::Static, "", {213, 7, 100, 10}, kText},
    {kUnnamed, ControlKind::Static, "Amended", {333, 7, 40, 10}, kText},
    {IDC_HISTORY_AMENDED, ControlKind::Static, "", {376, 7, 100, 10}, kText},
    {IDC_HISTORY_TEXT, ControlKind::RichEdit, "", {7, 24, 495, 250}, kFreeText},
};
constexpr DialogTemplate kHistory{IDD_WRECK_HISTORY, "History", {0, 0, 509, 281}, kPage, kHistoryItems};

constexpr DialogItemTemplate kChartingItems[] = {
    {kUnnamed, ControlKind::Button, "Symbol", {7, 7, 495, 268}, kGroup},
    {IDC_CHARTING_SYMBOL, ControlKind::RichEdit, "", {13, 18, 483, 251}, kFreeText},
};
constexpr DialogTemplate kCharting{IDD_WRECK_CHARTING, "Charting", {0, 0, 509, 282}, kPage, kChartingItems};

const bool kAdded = module_entry::AddDialog(kGeneral) && module_entry::AddDialog(kSurvey) &&
                    module_entry::AddDialog(kHistory) && module_entry::AddDialog(kCharting);

}  // namespace
