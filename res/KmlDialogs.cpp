// Dialog template of the KML file selector: the list of loaded archives
// above its buttons.

#include "frame/ModuleEntry.h"
#include "kml/KMLResources.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS;

constexpr DialogItemTemplate kSelectorItems[] = {
    {IDC_KML_FILE_LIST, ControlKind::ListView, "", {7, 7, 306, 150}, kList},
    {IDC_KML_SELECT_FILE, ControlKind::Button, "Select File", {7, 163, 60, 14}, kButton},
    {IDC_KML_DELETE_FILE, ControlKind::Button, "Delete File", {73, 163, 60, 14}, kButton},
    {IDOK, ControlKind::Button, "OK", {199, 163, 55, 14}, kButton | BS_DEFPUSHBUTTON},
    {IDCANCEL, ControlKind::Button, "Cancel", {258, 163, 55, 14}, kButton},
};
constexpr DialogTemplate kSelector{IDD_KML_FILE_SELECTOR, "KML File Selector", {0, 0, 320, 184},
                                   WS_POPUP | WS_CAPTION | WS_SYSMENU, kSelectorItems};

const bool kAdded = module_entry::AddDialog(kSelector);

}  // namespace
