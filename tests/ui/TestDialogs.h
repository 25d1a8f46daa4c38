#pragma once
// Dialog templates the window-system tests open, in a resource module of
// their own that joins the chain for the life of a test, and the form
// dialog that both the headless and the desktop tests work.

#include <string>

#include "platform/ui/ResourceChain.h"
#include "platform/ui/Toolkit.h"

namespace ui_test {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

inline constexpr UINT kFormDialog = 9001;
inline constexpr UINT kPageOne = 9002;
inline constexpr UINT kPageTwo = 9003;
inline constexpr int kNameEdit = 101;
inline constexpr int kKindCombo = 102;
inline constexpr int kRowsList = 103;
inline constexpr int kShowCheck = 104;
inline constexpr int kTitle = 106;
inline constexpr int kPicture = 107;
inline constexpr int kPageEdit = 201;
inline constexpr int kPageCheck = 202;
inline constexpr UINT kStripBitmap = 9100;

inline constexpr DWORD kTab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

inline constexpr DialogItemTemplate kFormItems[] = {
    {kTitle, ControlKind::Static, "Name", {7, 7, 40, 8}, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {kNameEdit, ControlKind::Edit, "", {50, 7, 100, 12}, kTab | ES_AUTOHSCROLL},
    {kKindCombo, ControlKind::ComboBox, "", {50, 24, 100, 60}, kTab | CBS_DROPDOWNLIST | CBS_SORT},
    {kRowsList, ControlKind::ListBox, "", {50, 40, 100, 40}, kTab | LBS_NOTIFY},
    {kShowCheck, ControlKind::Button, "Show", {7, 84, 60, 10}, kTab | BS_AUTOCHECKBOX},
    {kPicture, ControlKind::Static, "", {160, 7, 16, 16}, WS_CHILD | WS_VISIBLE | SS_BITMAP, kStripBitmap},
    {IDOK, ControlKind::Button, "OK", {7, 112, 50, 14}, kTab | BS_DEFPUSHBUTTON},
    {IDCANCEL, ControlKind::Button, "Cancel", {100, 112, 50, 14}, kTab},
};
inline constexpr DialogTemplate kForm{kFormDialog, "Form", {0, 0, 190, 132}, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                      kFormItems};

inline constexpr DialogItemTemplate kPageOneItems[] = {
    {kPageEdit, ControlKind::Edit, "one", {7, 7, 100, 12}, kTab},
};
inline constexpr DialogItemTemplate kPageTwoItems[] = {
    {kPageCheck, ControlKind::Button, "Tick", {7, 7, 100, 10}, kTab | BS_AUTOCHECKBOX},
};
inline constexpr DialogTemplate kFirstPage{kPageOne, "First", {0, 0, 200, 100}, WS_CHILD, kPageOneItems};
inline constexpr DialogTemplate kSecondPage{kPageTwo, "Second", {0, 0, 220, 120}, WS_CHILD, kPageTwoItems};

// Two 2x2 images side by side: red with one magenta (mask) pixel, then blue.
inline constexpr COLORREF kM = RGB(255, 0, 255);
inline constexpr COLORREF kR = RGB(255, 0, 0);
inline constexpr COLORREF kB = RGB(0, 0, 255);
inline constexpr COLORREF kStripPixels[] = {kR, kM, kB, kB,  //
                                            kR, kR, kB, kB};
inline constexpr platform::ui::BitmapResource kStrip{kStripBitmap, 4, 2, kStripPixels};

// The form with its fields attached and filled when it opens, keeping the
// name the user left at OK.
class CFormFieldsDlg : public CDialog {
 public:
  CFormFieldsDlg() : CDialog(kFormDialog) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (const char* kind : {"Wreck", "Obstruction", "Buoy"}) kinds.AddString(kind);
    for (const char* row : {"first", "second"}) rows.AddString(row);
    return TRUE;
  }
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, kNameEdit, name);
    DDX_Control(dx, kKindCombo, kinds);
    DDX_Control(dx, kRowsList, rows);
    DDX_Control(dx, kShowCheck, show);
  }
  void OnOK() override {
    nameAtEnd = name.GetWindowText();
    CDialog::OnOK();
  }
  CEdit name;
  CComboBox kinds;
  CListBox rows;
  CButton show;
  std::string nameAtEnd;
};

class TestResources {
 public:
  TestResources() {
    for (const DialogTemplate* dialog : {&kForm, &kFirstPage, &kSecondPage}) module_.AddDialog(*dialog);
    module_.AddBitmap(kStrip);
    platform::ui::ResourceChain::Join(&module_);
  }
  ~TestResources() { platform::ui::ResourceChain::Leave(&module_); }

 private:
  platform::ui::ResourceModule module_{"ui tests"};
};

}  // namespace ui_test
