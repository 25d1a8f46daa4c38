// Dialog templates of the wind farm dialogs: the settings, the turbine
// table, the boundary corners, the farm finder and the install dialog.

#include "frame/ModuleEntry.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"
#include "windfarm/WindFarmResources.h"

namespace {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

constexpr DWORD kTabStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kGroup = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kCheckBox = kTabStop | BS_AUTOCHECKBOX;
constexpr DWORD kDropDown = kTabStop | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kColourButton = kTabStop | BS_OWNERDRAW;
constexpr DWORD kTable = kTabStop | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
constexpr DWORD kDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU;

constexpr DialogItemTemplate kSettingsItems[] = {
    {-1, ControlKind::Button, "Wind Farm", {7, 7, 150, 62}, kGroup},
    {IDC_DISPLAY_BOUNDARY, ControlKind::Button, "Display Boundary", {14, 19, 130, 10}, kCheckBox},
    {IDC_LABEL_WIND_FARM, ControlKind::Button, "Label Name", {14, 33, 130, 10}, kCheckBox},
    {IDC_BOUNDARY_COLOUR, ControlKind::ComboBoxEx, "", {14, 48, 130, 150}, kDropDown},
    {-1, ControlKind::Button, "Turbines", {7, 74, 150, 62}, kGroup},
    {IDC_DISPLAY_TURBINES, ControlKind::Button, "Display Turbines", {14, 86, 130, 10}, kCheckBox},
    {IDC_LABEL_TURBINES, ControlKind::Button, "Label Turbine", {14, 100, 130, 10}, kCheckBox},
    {IDC_TURBINE_COLOUR, ControlKind::ComboBoxEx, "", {14, 115, 130, 150}, kDropDown},
    {IDOK, ControlKind::Button, "OK", {7, 144, 70, 16}, kColourButton},
    {IDCANCEL, ControlKind::Button, "Cancel", {87, 144, 70, 16}, kColourButton},
};
constexpr DialogTemplate kSettings{IDD_WIND_FARM_SETTINGS, "Wind Farm", {0, 0, 164, 167}, kDialog, kSettingsItems};

constexpr DialogItemTemplate kTurbinesItems[] = {
    {IDC_TURBINE_FARM_CHOICE, ControlKind::ComboBox, "", {7, 7, 200, 150}, kDropDown},
    {IDC_WIND_FARM_LIST, ControlKind::ListView, "", {7, 25, 486, 170}, kTable},
    {-1, ControlKind::Static, "Remarks", {7, 200, 60, 8}, kLabel},
    {IDC_TURBINE_REMARKS, ControlKind::Edit, "", {7, 210, 486, 40},
     kTabStop | WS_BORDER | ES_MULTILINE | ES_READONLY | WS_VSCROLL},
    {IDOK, ControlKind::Button, "OK", {423, 256, 70, 16}, kColourButton},
};
constexpr DialogTemplate kTurbines{IDD_WIND_FARM_TURBINES, "Wind Farm Name", {0, 0, 500, 279}, kDialog,
                                   kTurbinesItems};

constexpr DialogItemTemplate kBoundaryItems[] = {
    {IDC_BOUNDARY_FARM_CHOICE, ControlKind::ComboBox, "", {7, 7, 200, 150}, kDropDown},
    {IDC_BOUNDARY_DESCRIPTION, ControlKind::Static, "", {7, 25, 306, 18}, kLabel},
    {IDC_WIND_FARM_LIST, ControlKind::ListView, "", {7, 46, 306, 150}, kTable},
    {IDOK, ControlKind::Button, "OK", {243, 202, 70, 16}, kColourButton},
};
constexpr DialogTemplate kBoundary{IDD_WIND_FARM_BOUNDARY, "Wind Farm Boundary", {0, 0, 320, 225}, kDialog,
                                   kBoundaryItems};

constexpr DialogItemTemplate kFindItems[] = {
    {IDC_WIND_FARM_LIST, ControlKind::ListBox, "", {7, 7, 160, 150},
     kTabStop | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT},
    {IDOK, ControlKind::Button, "Find", {7, 162, 75, 16}, kColourButton},
    {IDCANCEL, ControlKind::Button, "Cancel", {92, 162, 75, 16}, kColourButton},
};
constexpr DialogTemplate kFind{IDD_FIND_WIND_FARM, "Find Wind Farm", {0, 0, 174, 185}, kDialog, kFindItems};

constexpr DialogItemTemplate kSplashItems[] = {
    {IDC_WIND_FARM_PICTURE, ControlKind::Static, "", {7, 7, 321, 200}, WS_CHILD | WS_VISIBLE | SS_BITMAP,
     IDB_WIND_FARM_PICTURE},
    {IDOK, ControlKind::Button, "Accept", {7, 214, 100, 18}, kColourButton},
    {IDCANCEL, ControlKind::Button, "Decline", {228, 214, 100, 18}, kColourButton},
};
constexpr DialogTemplate kSplash{IDD_WIND_FARM_SPLASH, "Windfarm Install", {0, 0, 335, 239}, kDialog, kSplashItems};

const bool kAdded = module_entry::AddDialog(kSettings) && module_entry::AddDialog(kTurbines) &&
                    module_entry::AddDialog(kBoundary) && module_entry::AddDialog(kFind) &&
                    module_entry::AddDialog(kSplash);

}  // namespace
