#pragma once
// The dialog and page templates the colour-control tests open.

#include "platform/ui/ResourceChain.h"
#include "platform/ui/Toolkit.h"

namespace controls_test {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

inline constexpr UINT kEntryDialog = 9501;
inline constexpr int kApplyButton = 302;
inline constexpr int kColourPicker = 303;
inline constexpr int kCaption = 304;
inline constexpr int kToggleButton = 305;
inline constexpr DWORD kTab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

inline constexpr DialogItemTemplate kEntryItems[] = {
    {kCaption, ControlKind::Static, "Name", {7, 7, 40, 8}},
    {kColourPicker, ControlKind::ComboBoxEx, "", {50, 24, 100, 120}, kTab | CBS_DROPDOWNLIST},
    {kApplyButton, ControlKind::Button, "Apply", {7, 44, 50, 14}, kTab},
    {kToggleButton, ControlKind::Button, "Toggle", {60, 44, 50, 14}, kTab},
    {IDOK, ControlKind::Button, "OK", {7, 64, 50, 14}, kTab | BS_DEFPUSHBUTTON},
    {IDCANCEL, ControlKind::Button, "Cancel", {100, 64, 50, 14}, kTab},
};
inline constexpr DialogTemplate kEntry{kEntryDialog, "Entry", {0, 0, 160, 84}, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                       kEntryItems};

// Four pages with one text each.
inline constexpr UINT kFirstPageTemplate = 9510;
inline constexpr DialogItemTemplate kPageItems[] = {{401, ControlKind::Static, "page", {7, 7, 60, 8}}};
inline constexpr DialogTemplate kPages[] = {
    {kFirstPageTemplate, "General", {0, 0, 200, 100}, WS_CHILD, kPageItems},
    {kFirstPageTemplate + 1, "Position", {0, 0, 200, 100}, WS_CHILD, kPageItems},
    {kFirstPageTemplate + 2, "History", {0, 0, 200, 100}, WS_CHILD, kPageItems},
    {kFirstPageTemplate + 3, "Notes", {0, 0, 200, 100}, WS_CHILD, kPageItems},
};

class ColourResources {
 public:
  ColourResources() {
    module_.AddDialog(kEntry);
    for (const DialogTemplate& page : kPages) module_.AddDialog(page);
    platform::ui::ResourceChain::Join(&module_);
  }
  ~ColourResources() { platform::ui::ResourceChain::Leave(&module_); }

 private:
  platform::ui::ResourceModule module_{"colour control tests"};
};

}  // namespace controls_test
