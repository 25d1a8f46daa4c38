// Dialog template of the wreck search: the three ways to search across the
// top, the result list below them, the show boxes and their counts at the
// bottom, where the progress bar takes the place of Print and CSV File
// during a search.

#include "frame/ModuleEntry.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"
#include "wrecks/WreckResources.h"

namespace {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

constexpr int kLabel = -1;
constexpr DWORD kText = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kGroup = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kField = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kChoice = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kPush = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
constexpr DWORD kDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU;

constexpr DialogItemTemplate kFindItems[] = {
    {IDC_LOCATION_GROUP, ControlKind::Button, "Location", {7, 4, 300, 90}, kGroup},
    {IDC_PLACE, ControlKind::ComboBox, "", {14, 16, 160, 200}, kChoice},
    {kLabel, ControlKind::Static, "Latitude", {14, 36, 40, 8}, kText},
    {IDC_CENTRE_LATITUDE, ControlKind::Edit, "", {56, 34, 84, 12}, kField},
    {kLabel, ControlKind::Static, "Longitude", {14, 52, 40, 8}, kText},
    {IDC_CENTRE_LONGITUDE, ControlKind::Edit, "", {56, 50, 84, 12}, kField},
    {IDC_EASTING_LABEL, ControlKind::Static, "Easting", {152, 36, 36, 8}, kText},
    {IDC_CENTRE_EASTING, ControlKind::Edit, "", {190, 34, 80, 12}, kField},
    {IDC_NORTHING_LABEL, ControlKind::Static, "Northing", {152, 52, 36, 8}, kText},
    {IDC_CENTRE_NORTHING, ControlKind::Edit, "", {190, 50, 80, 12}, kField},
    {kLabel, ControlKind::Static, "Radius", {14, 72, 40, 8}, kText},
    {IDC_RADIUS, ControlKind::Edit, "", {56, 70, 40, 12}, kField},
    {kLabel, ControlKind::Static, "NM", {100, 72, 16, 8}, kText},
    {IDC_FIND_LOCATION, ControlKind::Button, "Find", {250, 70, 50, 14}, kPush},
    {IDC_NAME_GROUP, ControlKind::Button, "Name", {314, 4, 200, 90}, kGroup},
    {IDC_SEARCH_NAME, ControlKind::Edit, "", {321, 18, 186, 12}, kField},
    {IDC_FIND_NAME, ControlKind::Button, "Find", {457, 70, 50, 14}, kPush},
    {IDC_YEAR_GROUP, ControlKind::Button, "Year", {521, 4, 200, 90}, kGroup},
    {IDC_FIRST_YEAR, ControlKind::ComboBox, "", {528, 18, 80, 200}, kChoice},
    {IDC_LAST_YEAR, ControlKind::ComboBox, "", {634, 18, 80, 200}, kChoice},
    {IDC_FIND_YEARS, ControlKind::Button, "Find", {664, 70, 50, 14}, kPush},
    {IDC_RESULTS, ControlKind::ListView, "", {7, 100, 783, 192}, kList},
    {IDC_PRINT_RESULTS, ControlKind::Button, "Print", {7, 300, 50, 14}, kPush},
    {IDC_CSV_RESULTS, ControlKind::Button, "CSV File", {61, 300, 50, 14}, kPush},
    {IDC_SEARCH_PROGRESS, ControlKind::ProgressBar, "", {7, 300, 400, 14}, WS_CHILD | WS_VISIBLE},
    {IDC_SHOW_WRECKS, ControlKind::Button, "Wrecks", {420, 302, 50, 10}, kCheck},
    {IDC_WRECK_COUNT, ControlKind::Static, "0", {472, 303, 40, 8}, kText},
    {IDC_SHOW_OBSTRUCTIONS, ControlKind::Button, "Obstructions", {520, 302, 60, 10}, kCheck},
    {IDC_OBSTRUCTION_COUNT, ControlKind::Static, "0", {582, 303, 40, 8}, kText},
    {IDOK, ControlKind::Button, "OK", {740, 300, 50, 14}, kPush | BS_DEFPUSHBUTTON},
};
constexpr DialogTemplate kFind{IDD_WRECK_FIND, "Wreck Search", {0, 0, 797, 329}, kDialog, kFindItems};

const bool kAdded = module_entry::AddDialog(kFind);

}  // namespace
