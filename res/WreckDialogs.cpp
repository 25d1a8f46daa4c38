// Dialog templates of the wreck loading and install dialogs. Both show the
// wreck picture (bitmap 1003) in a picture control.

#include "frame/ModuleEntry.h"
#include "platform/ui/DialogTemplate.h"
#include "wrecks/WreckResources.h"

namespace {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

constexpr DWORD kCentredText = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr DWORD kPicture = WS_CHILD | WS_VISIBLE | SS_BITMAP;
constexpr DWORD kColourButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU;

constexpr DialogItemTemplate kLoadingItems[] = {
    {IDC_LOADING_TEXT, ControlKind::Static, "Loading Wrecks and Obstructions", {7, 7, 321, 20}, kCentredText},
    {IDC_WRECK_PICTURE, ControlKind::Static, "", {7, 32, 321, 200}, kPicture, IDB_WRECK_PICTURE},
    {IDC_PLEASE_WAIT, ControlKind::Static, "Please Wait .....", {7, 237, 321, 18}, kCentredText},
};
constexpr DialogTemplate kLoading{IDD_LOADING_WRECKS, "Wrecks", {0, 0, 335, 262}, kDialog, kLoadingItems};

constexpr DialogItemTemplate kSplashItems[] = {
    {IDC_SPLASH_TITLE, ControlKind::Static, "Wrecks", {7, 4, 321, 36}, kCentredText},
    {IDC_WRECK_PICTURE, ControlKind::Static, "", {7, 42, 321, 170}, kPicture, IDB_WRECK_PICTURE},
    {IDC_SPLASH_NOTICE, ControlKind::Static, "", {7, 216, 321, 46}, kCentredText},
    {IDC_ACCEPT, ControlKind::Button, "Accept", {7, 268, 100, 18}, kColourButton},
    {IDC_DECLINE, ControlKind::Button, "Decline", {228, 268, 100, 18}, kColourButton},
};
constexpr DialogTemplate kSplash{IDD_WRECK_SPLASH, "Wrecks", {0, 0, 335, 292}, kDialog, kSplashItems};

const bool kAdded = module_entry::AddDialog(kLoading) && module_entry::AddDialog(kSplash);

}  // namespace
