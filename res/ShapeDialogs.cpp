// Dialog templates of the shapefile loading dialog (a counter over a
// progress bar, and Quit) and of the shape file selector (the list of
// loaded files above its buttons).

#include "frame/ModuleEntry.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"
#include "shape/ShapeResources.h"

namespace {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kCentredText = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr DWORD kList =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS;

constexpr DialogItemTemplate kLoadingItems[] = {
    {IDC_SHAPE_COPIED_TEXT, ControlKind::Static, "0 Bytes of 0 Bytes", {7, 7, 226, 10}, kCentredText},
    {IDC_SHAPE_PROGRESS, ControlKind::ProgressBar, "", {7, 21, 226, 12}, WS_CHILD | WS_VISIBLE | WS_BORDER},
    {IDCANCEL, ControlKind::Button, "Quit", {93, 39, 55, 14}, kButton | BS_OWNERDRAW},
};
constexpr DialogTemplate kLoading{IDD_LOADING_SHAPE, "Loading Shape Files", {0, 0, 240, 60}, kDialog, kLoadingItems};

constexpr DialogItemTemplate kSelectorItems[] = {
    {IDC_SHAPE_FILE_LIST, ControlKind::ListView, "", {7, 7, 386, 150}, kList},
    {IDC_SHAPE_SELECT_FILE, ControlKind::Button, "Select File", {7, 163, 60, 14}, kButton},
    {IDC_SHAPE_DELETE_FILE, ControlKind::Button, "Delete File", {73, 163, 60, 14}, kButton},
    {IDOK, ControlKind::Button, "OK", {279, 163, 55, 14}, kButton | BS_DEFPUSHBUTTON},
    {IDCANCEL, ControlKind::Button, "Cancel", {338, 163, 55, 14}, kButton},
};
constexpr DialogTemplate kSelector{IDD_SHAPE_FILE_SELECTOR, "ShapeFileSelector", {0, 0, 400, 184}, kDialog,
                                   kSelectorItems};

const bool kAdded = module_entry::AddDialog(kLoading) && module_entry::AddDialog(kSelector);

}  // namespace
