#pragma once
// A dialog holding one edit field of the module (and a plain edit to take
// the focus away), opened modeless so a test can type into it through the
// automation driver and read what the field posted.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/MessageNames.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/KeySequence.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MainWindow.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/RegisteredMessages.h"
#include "platform/ui/ResourceChain.h"

namespace edit_test {

using platform::ui::Clipboard;
using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;
using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;

inline constexpr UINT kFieldDialog = 9601;
inline constexpr int kFieldId = 1001;
inline constexpr int kOtherId = 1002;
inline constexpr int kListId = 1010;
inline constexpr DWORD kTabStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

inline constexpr DialogItemTemplate kFieldItems[] = {
    {kFieldId, ControlKind::Edit, "", {7, 7, 120, 12}, kTabStop | ES_AUTOHSCROLL},
    {kOtherId, ControlKind::Edit, "", {7, 24, 120, 12}, kTabStop | ES_AUTOHSCROLL},
    {kListId, ControlKind::ListView, "", {7, 70, 260, 80}, kTabStop | LVS_REPORT | LVS_EDITLABELS},
    {IDOK, ControlKind::Button, "OK", {7, 44, 50, 14}, kTabStop | BS_DEFPUSHBUTTON},
    {IDCANCEL, ControlKind::Button, "Cancel", {77, 44, 50, 14}, kTabStop},
};
inline constexpr DialogTemplate kFieldTemplate{kFieldDialog, "Field", {0, 0, 280, 160},
                                               WS_POPUP | WS_CAPTION | WS_SYSMENU, kFieldItems};

class FieldResources {
 public:
  FieldResources() {
    module_.AddDialog(kFieldTemplate);
    platform::ui::ResourceChain::Join(&module_);
  }
  ~FieldResources() { platform::ui::ResourceChain::Leave(&module_); }

 private:
  platform::ui::ResourceModule module_{"edit field tests"};
};

// A message taken from the queue: to whom, what, and its parameters.
struct Posted {
  HWND to;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Posted&) const = default;
};

// A dialog of the field template that the automation types into: keys go
// to whatever has the focus.
class KeyedDialog : public CDialog {
 public:
  KeyedDialog() : CDialog(kFieldDialog) {}
  platform::ui::Driver Driver() { return platform::ui::Driver(*this, platform::ui::ModalTurn::Idle); }
  void Keys(std::string_view keys) {
    platform::ui::Driver driver = Driver();
    for (const auto& input : platform::ui::ParseKeys(keys))
      for (const auto& stroke : input.strokes) driver.Strike(stroke);
  }
};

template <class Field>
class FieldDialog : public KeyedDialog {
 public:
  // The window goes while the members it calls on are still alive.
  ~FieldDialog() override { DestroyWindow(); }
  // Configure `field` first. The dialog opens with the focus in it, as a
  // user would find it.
  void Open() { Create(kFieldDialog); }
  BOOL OnInitDialog() override {
    field.SubclassDlgItem(kFieldId, this);
    return CDialog::OnInitDialog();
  }
  // What the field and the rest posted since the last call.
  static std::vector<Posted> TakePosted() {
    std::vector<Posted> posted;
    MSG msg;
    while (platform::ui::MessageQueue::TakePosted(msg))
      posted.push_back({msg.hwnd, msg.message, msg.wParam, msg.lParam});
    return posted;
  }
  int Caret() const { return field.GetCaret(); }

  // The end of a cell edit, as the list's parent hears it.
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != LVN_ENDLABELEDIT) return CDialog::OnNotify(wParam, lParam, result);
    ended.push_back(*reinterpret_cast<const NMLVDISPINFO*>(lParam));
    return TRUE;
  }

  Field field;
  std::vector<NMLVDISPINFO> ended;
};

inline const UINT kEditAngle = platform::ui::RegisterWindowMessage(messages::kEditAngle);
inline const UINT kEditUpdate = platform::ui::RegisterWindowMessage(messages::kEditUpdate);
inline const UINT kFocusData = platform::ui::RegisterWindowMessage(messages::kEditBoxFocusData);
inline const UINT kKillFocusData = platform::ui::RegisterWindowMessage(messages::kEditBoxKillFocusData);

// A field given its value and then made invalid before its window exists:
// the window comes showing "n/a", disabled, with the field's text limit and
// tool tip, and shows `shown` once the field is valid again.
template <class Field>
void CheckInvalidUntilValidAgain(FieldDialog<Field>& dialog, const std::string& shown, UINT limit,
                                 const std::string& tip) {
  dialog.field.SetValid(FALSE);
  EXPECT_TRUE(dialog.field.IsPending());
  dialog.Open();
  EXPECT_EQ(dialog.field.GetWindowText(), "n/a");
  EXPECT_FALSE(dialog.field.IsWindowEnabled());
  EXPECT_FALSE(dialog.field.IsPending());
  dialog.field.SetValid(TRUE);
  EXPECT_EQ(dialog.field.GetWindowText(), shown);
  EXPECT_TRUE(dialog.field.IsWindowEnabled());
  EXPECT_EQ(dialog.field.GetLimitText(), limit);
  EXPECT_EQ(dialog.field.ToolTip().TipText(), tip);
  EXPECT_TRUE(dialog.field.ToolTip().IsAdded());
}

// Focus coming and going is told to the main window; keys that change the
// value post `changed` to the dialog, and the keys `keep` that leave it (and
// the text `kept`) as it was post nothing.
template <class Field>
void CheckOnlyChangesArePosted(FieldDialog<Field>& dialog, HWND main, std::string_view change,
                               const std::vector<UINT>& changed, std::string_view keep, const std::string& kept) {
  dialog.Open();
  EXPECT_EQ(dialog.TakePosted(), (std::vector<Posted>{{main, kFocusData, 0, 0}}));
  dialog.Keys(change);
  std::vector<Posted> toDialog;
  for (UINT message : changed) toDialog.push_back({dialog.m_hWnd, message, MAKEWPARAM(kFieldId, message), 0});
  EXPECT_EQ(dialog.TakePosted(), toDialog);
  EXPECT_TRUE(dialog.field.IsPending());
  dialog.Keys(keep);
  EXPECT_EQ(dialog.field.GetWindowText(), kept);
  EXPECT_TRUE(dialog.TakePosted().empty()) << keep;
  dialog.field.DestroyWindow();
  EXPECT_EQ(dialog.TakePosted(), (std::vector<Posted>{{main, kKillFocusData, 0, 0}}));
}

// Every key that would change a read-only field's text is refused, copying
// still works, and nothing is reported, not even the focus.
template <class Field>
void CheckReadOnlyOnlyCopies(FieldDialog<Field>& dialog, const std::string& shown) {
  dialog.field.SetReadOnly(TRUE);
  dialog.Open();
  Clipboard::SetText("12");
  dialog.Keys("{SELALL}5{BS}{DEL}{INS}{CTRL+V}{CTRL+X}{CTRL+C}");
  EXPECT_EQ(dialog.field.GetWindowText(), shown);
  EXPECT_EQ(Clipboard::GetText(), shown);
  EXPECT_TRUE(dialog.TakePosted().empty());
}

// A main window to hear the focus messages, an empty clipboard, and the
// field dialog's template; nothing posted is left for the next test.
class FieldTest : public testing::Test {
 protected:
  void SetUp() override {
    main.Create("main", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
    platform::ui::SetMainWindow(main.m_hWnd);
    Clipboard::Empty();
  }
  void TearDown() override {
    platform::ui::SetMainWindow(nullptr);
    MSG msg;
    while (platform::ui::MessageQueue::TakePosted(msg)) {
    }
  }
  FieldResources resources;
  CWnd main;
};

}  // namespace edit_test
