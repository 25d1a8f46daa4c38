// Dialog template of the sea areas setup: the two switches, the boundary
// colour, and the highlighted area with its colour.

#include "frame/ModuleEntry.h"
#include "platform/ui/DialogTemplate.h"
#include "seaareas/SeaAreasResources.h"

namespace {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

constexpr DWORD kTabStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kDropDown = kTabStop | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kColourButton = kTabStop | BS_OWNERDRAW;

constexpr DialogItemTemplate kSetupItems[] = {
    {IDC_SEA_AREAS_DISPLAY, ControlKind::Button, "Draw Boundaries", {7, 7, 90, 10}, kTabStop | BS_AUTOCHECKBOX},
    {IDC_SEA_AREAS_LABEL, ControlKind::Button, "Label", {7, 21, 90, 10}, kTabStop | BS_AUTOCHECKBOX},
    {-1, ControlKind::Static, "Boundary", {7, 38, 40, 8}, kLabel},
    {IDC_SEA_AREAS_COLOUR, ControlKind::ComboBoxEx, "", {50, 36, 100, 150}, kDropDown},
    {-1, ControlKind::Static, "Highlight", {7, 56, 40, 8}, kLabel},
    {IDC_SEA_AREAS_HIGHLIGHT, ControlKind::ComboBox, "", {50, 54, 100, 150}, kDropDown},
    {IDC_SEA_AREAS_ACTIVE_COLOUR, ControlKind::ComboBoxEx, "", {50, 72, 100, 150}, kDropDown},
    {IDOK, ControlKind::Button, "OK", {7, 94, 68, 16}, kColourButton},
    {IDCANCEL, ControlKind::Button, "Cancel", {82, 94, 68, 16}, kColourButton},
};
constexpr DialogTemplate kSetup{IDD_SEA_AREAS_SETUP, "Sea Areas", {0, 0, 157, 117},
                                WS_POPUP | WS_CAPTION | WS_SYSMENU, kSetupItems};

const bool kAdded = module_entry::AddDialog(kSetup);

}  // namespace
