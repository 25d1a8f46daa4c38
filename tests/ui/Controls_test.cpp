// The common controls as state: what typing, clicking and the control
// messages do to them, and the invariant checker that watches them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <list>
#include <map>

#include "TestDialogs.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/InvariantChecker.h"
#include "platform/ui/KeySequence.h"

namespace {

using namespace ui_test;
using platform::ui::Clipboard;
using testing::ElementsAre;
using testing::IsEmpty;

// Controls on a bare parent that records the commands and notifications
// they send.
class ParentLog : public CWnd {
 public:
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    codes.push_back(HIWORD(wParam));
    return TRUE;
  }
  BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
    static const std::map<UINT, std::string> names{
        {NM_CLICK, "click"}, {NM_DBLCLK, "double"}, {LVN_ITEMCHANGED, "changed"}};
    const auto* info = reinterpret_cast<const NMLISTVIEW*>(lParam);
    const auto name = names.find(info->hdr.code);
    events.push_back((name == names.end() ? "other" : name->second) + " " + std::to_string(info->iItem));
    *result = 0;
    return TRUE;
  }
  std::vector<UINT> codes;
  std::vector<std::string> events;
};

// Keys as a sequence names them, straight to one control.
void Strike(CWnd& target, std::string_view keys) {
  for (const auto& input : platform::ui::ParseKeys(keys)) {
    for (const auto& stroke : input.strokes) {
      platform::ui::SetModifierKeys(stroke.modifiers.shift, stroke.modifiers.control);
      target.SendMessage(WM_KEYDOWN, stroke.key);
      if (stroke.character) target.SendMessage(WM_CHAR, static_cast<unsigned char>(stroke.character));
      platform::ui::SetModifierKeys(false, false);
    }
  }
}

class ControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    parent.Create("parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0);
  }
  CEdit& MakeEdit(DWORD style) {
    edits.emplace_back().Create(WS_CHILD | WS_VISIBLE | style, CRect(0, 0, 100, 20), &parent, 1);
    return edits.back();
  }
  ParentLog parent;
  std::list<CEdit> edits;
};

TEST_F(ControlsTest, EditTypingReplacesTheSelectionWithinTheLimit) {
  CEdit& edit = MakeEdit(0);
  edit.SetLimitText(6);
  Strike(edit, "abcdefgh");
  EXPECT_EQ(edit.GetWindowText(), "abcdef") << "typing stops at the limit";
  edit.SetSel(1, 3);
  Strike(edit, "X");
  EXPECT_EQ(edit.GetWindowText(), "aXdef");
  int start = 0, end = 0;
  edit.GetSel(start, end);
  EXPECT_EQ(std::pair(start, end), std::pair(2, 2));
  Strike(edit, "{HOME}{DEL}{BS}");  // Backspace at the start: nothing to remove
  EXPECT_EQ(edit.GetWindowText(), "Xdef");
  // Both refused characters, "g" and "h", were reported as the limit.
  EXPECT_EQ(std::count(parent.codes.begin(), parent.codes.end(), EN_MAXTEXT), 2);
  // 6 pixels a character: x = 20 lies in the fourth character, nearer its left.
  edit.SendMessage(WM_LBUTTONDOWN, 0, CPoint(20, 5).ToLParam());
  EXPECT_EQ(edit.GetCaret(), 3);
  EXPECT_EQ(CWnd::GetFocus(), &edit);
}

// Copy and cut the first four characters, paste them at the end, type,
// erase and delete: a read-only edit only copies.
TEST_F(ControlsTest, EditCutCopyPasteGoThroughTheClipboard) {
  for (const auto& [style, after] : {std::pair<DWORD, const char*>{0, "N51.5"}, {ES_READONLY, "51.5 N"}}) {
    Clipboard::Empty();
    CEdit& edit = MakeEdit(style);
    edit.SetWindowText("51.5 N");
    edit.SetSel(0, 4);
    Strike(edit, "{CTRL+C}{CTRL+X}{END}{CTRL+V}x{BS}{HOME}{DEL}");
    EXPECT_EQ(edit.GetWindowText(), after) << style;
    EXPECT_EQ(Clipboard::GetText(), "51.5") << style;
  }
}

// Shift with a caret key moves the caret and keeps the anchor; the same key
// without Shift first collapses the selection to its edge.
TEST_F(ControlsTest, EditSelectionRunsFromTheAnchorToTheCaret) {
  struct Row { const char* keys; int start, end, caret; };
  const Row rows[] = {
      {"{END}{SHIFT+LEFT}{SHIFT+LEFT}", 4, 6, 4},
      {"{SHIFT+END}{LEFT}", 0, 0, 0},
      {"{SHIFT+END}{RIGHT}", 6, 6, 6},
      {"{RIGHT}{RIGHT}{SHIFT+HOME}", 0, 2, 0},
      {"{RIGHT}{SHIFT+RIGHT}{SHIFT+RIGHT}{SHIFT+LEFT}", 1, 2, 2},
      {"{END}{SELALL}", 0, 6, 6},
  };
  for (const Row& row : rows) {
    CEdit& edit = MakeEdit(0);
    edit.SetWindowText("abcdef");
    Strike(edit, row.keys);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(std::tuple(start, end, edit.GetCaret()), std::tuple(row.start, row.end, row.caret)) << row.keys;
  }
  CEdit& edit = MakeEdit(0);
  edit.SetWindowText("abcdef");
  const auto at = [&](int index) { return edit.PosFromChar(static_cast<UINT>(index)).ToLParam(); };
  edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at(1));
  edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, at(4));
  edit.SendMessage(WM_LBUTTONUP, 0, at(4));
  edit.SendMessage(WM_MOUSEMOVE, 0, at(5));  // the button is up: no longer selecting
  Strike(edit, "{SHIFT+RIGHT}X");
  EXPECT_EQ(edit.GetWindowText(), "aXf") << "a drag, then Shift extends it";
}

TEST(KeySequence, NamesAndCharactersBecomeStrokes) {
  const auto keys = platform::ui::ParseKeys("a{ctrl+c}{SHIFT+CTRL+LEFT}{SELALL}{BS}");
  ASSERT_EQ(keys.size(), 5u);
  EXPECT_EQ(keys[1].name, "{ctrl+c}");
  const platform::ui::KeyStroke& copy = keys[1].strokes.at(0);
  EXPECT_EQ(std::tuple(copy.key, copy.character, copy.modifiers.control), std::tuple(UINT{'C'}, kCtrlC, true));
  const platform::ui::KeyStroke& word = keys[2].strokes.at(0);
  EXPECT_EQ(std::tuple(word.key, word.character, word.modifiers.shift, word.modifiers.control),
            std::tuple(VK_LEFT, '\0', true, true));
  EXPECT_EQ(keys[3].strokes.size(), 2u);
  EXPECT_EQ(keys[4].strokes.at(0).character, '\b');
  for (const char* bad : {"{F1}", "{BS", "\x01", "{CTRL+1}", "{SHIFT+}"})
    EXPECT_THROW(platform::ui::ParseKeys(bad), platform::ui::AutomationError) << bad;
}

TEST_F(ControlsTest, ProgressRangeMessagesAndClamping) {
  CProgressCtrl bar;
  bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 10), &parent, 2);
  bar.SetRange(1, 1000);
  EXPECT_EQ(bar.SetPos(1500), 1) << "the previous position";
  EXPECT_EQ(bar.GetPos(), 1000);
  // The 16-bit message packs both ends into lParam.
  bar.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(10, 20));
  int lower = 0, upper = 0;
  bar.GetRange(lower, upper);
  EXPECT_EQ(std::pair(lower, upper), std::pair(10, 20));
  EXPECT_EQ(bar.GetPos(), 20);
  bar.SetRange32(0, 100000);
  bar.SetPos(70000);
  EXPECT_EQ(bar.GetPos(), 70000) << "the 32-bit range goes past 16 bits";
}

TEST_F(ControlsTest, ComboBoxChoosesByUserWithNotificationsInOrder) {
  CComboBox combo;
  combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 100), &parent, 3);
  combo.AddString("1950");
  combo.AddString("1900");
  EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), -1);
  parent.codes.clear();
  combo.ChooseByUser(1);
  EXPECT_THAT(parent.codes, ElementsAre(CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP));
  EXPECT_EQ(combo.GetWindowText(), "1900");
  combo.DeleteString(0);
  EXPECT_EQ(combo.GetCurSel(), 0) << "the selection stays on its entry";
  EXPECT_EQ(combo.FindStringExact(-1, "1900"), 0);
  combo.DeleteString(0);
  EXPECT_EQ(combo.GetWindowText(), "") << "deleting the selected entry clears the text";
}

TEST_F(ControlsTest, ImageListCutsAStripAndMasksOneColour) {
  TestResources resources;
  CBitmap strip;
  ASSERT_TRUE(strip.LoadBitmap(kStripBitmap));
  CImageList images;
  images.Create(2, 2, ILC_COLOR24 | ILC_MASK, 2, 0);
  EXPECT_EQ(images.Add(&strip, kM), 0);
  EXPECT_EQ(images.Add(&strip, kM), 2) << "the index of the first image added";
  EXPECT_EQ(images.GetImageCount(), 4);
  EXPECT_EQ(std::pair(images.IsTransparent(0, 1, 0), images.IsTransparent(0, 0, 0)), std::pair(true, false));
  EXPECT_EQ(images.ExtractIcon(1)->GetPixel(0, 0), kB);
  EXPECT_EQ(images.ExtractIcon(4), nullptr);
  CImageList tooWide;
  tooWide.Create(8, 2, ILC_MASK, 1, 0);
  EXPECT_EQ(tooWide.Add(&strip, kM), -1) << "a strip narrower than one image adds nothing";
}

// A list box that, deliberately, leaves its selection past the end.
class CBrokenListBox : public CListBox {
 public:
  void CheckInvariants(std::vector<std::string>& problems) const override {
    CListBox::CheckInvariants(problems);
    if (broken) problems.push_back("list box 9: selection 3 outside the list");
  }
  bool broken = false;
};

TEST_F(ControlsTest, TheInvariantCheckerReportsWhatBrokeAndAfterWhichMessage) {
  platform::ui::InvariantChecker checker;
  CBrokenListBox list;
  list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 9);
  list.SetFocus();
  EXPECT_THAT(checker.Problems(), IsEmpty());
  list.broken = true;
  list.SendMessage(WM_KEYDOWN, VK_DOWN);
  EXPECT_THAT(checker.Problems(), ElementsAre("after message 0x0100: list box 9: selection 3 outside the list"));
  list.ModifyStyle(WS_VISIBLE, 0);  // hidden behind the window system's back
  EXPECT_THAT(platform::ui::CheckWindowTree(parent),
              ElementsAre("list box 9: selection 3 outside the list", "focus on 9: a hidden window"));
  list.ShowWindow(SW_SHOW);
  list.ShowWindow(SW_HIDE);  // hiding it properly takes the focus away
  EXPECT_EQ(CWnd::GetFocus(), nullptr);
}

// The report list: columns and cells, selection by the user with its
// notifications, and the geometry in-place editors rely on.
class ListCtrlTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 300, 200), &parent, 32135);
    list.InsertColumn(0, "Type", LVCFMT_LEFT, 60);
    list.InsertColumn(1, "ID/Name", LVCFMT_LEFT, 100);
    for (const char* name : {"Mary Rose", "Vasa", "Titanic"})
      list.SetItemText(list.InsertItem(list.GetItemCount(), "Wreck", 0), 1, name);
  }
  platform::ui::InvariantChecker checker;
  CListCtrl list;
};

TEST_F(ListCtrlTest, CellsMoveWithTheirColumnsAndDataWithTheirRows) {
  EXPECT_THAT(list.AccessibleRows(), ElementsAre("Wreck\tMary Rose", "Wreck\tVasa", "Wreck\tTitanic"));
  EXPECT_THAT(list.GetHeaderCtrl()->AccessibleRows(), ElementsAre("Type", "ID/Name"));
  list.InsertColumn(1, "Depth", LVCFMT_RIGHT, 40);
  EXPECT_EQ(list.GetItemText(0, 2), "Mary Rose") << "cells move with their column";
  EXPECT_EQ(list.GetItemText(0, 1), "");
  EXPECT_FALSE(list.SetItemText(0, 3, "x")) << "no cell beyond the columns";
  list.SetItemData(2, 99);
  LVITEM item;
  item.mask = LVIF_IMAGE;
  item.iItem = 2;
  item.iSubItem = 2;
  item.iImage = 13;
  ASSERT_TRUE(list.SetItem(&item));
  list.DeleteItem(0);
  EXPECT_EQ(list.GetItemData(1), 99u);
  item.mask = LVIF_IMAGE | LVIF_TEXT;
  item.iItem = 1;
  item.iImage = 0;
  ASSERT_TRUE(list.GetItem(&item));
  EXPECT_EQ(item.iImage, 13);
  EXPECT_EQ(item.pszText, "Titanic");
}

TEST_F(ListCtrlTest, AClickSelectsAndFocusesTheRowUnderItAndTellsTheParent) {
  list.ChooseRowByUser(1, false);
  list.ChooseRowByUser(2, true);
  EXPECT_EQ(std::tuple(list.GetNextItem(-1, LVNI_SELECTED), list.GetNextItem(-1, LVNI_FOCUSED), list.GetSelectedCount()),
            std::tuple(2, 2, 1u));
  EXPECT_THAT(parent.events, ElementsAre("changed 1", "click 1", "changed 1", "changed 2", "click 2", "double 2"));
  EXPECT_THAT(checker.Problems(), IsEmpty());
  // Clicks find their row by hit test, which agrees with the cell rectangles.
  const int row = list.RowHeight();
  CRect cell;
  ASSERT_TRUE(list.GetSubItemRect(1, 1, &cell));
  EXPECT_EQ(cell, CRect(60, 2 * row, 160, 3 * row)) << "below the header and the first row";
  LVHITTESTINFO hit;
  hit.pt = cell.CenterPoint();
  EXPECT_EQ(list.SubItemHitTest(&hit), 1);
  EXPECT_EQ(hit.iSubItem, 1);
  hit.pt = CPoint(10, 4 * row + 1);  // below the last row
  EXPECT_EQ(list.SubItemHitTest(&hit), -1);
  list.SendMessage(WM_LBUTTONDOWN, 0, hit.pt.ToLParam());
  EXPECT_EQ(parent.events.back(), "click -1") << "a click below the rows hits none";
}

class CVetoPage : public CPropertyPage {
 public:
  explicit CVetoPage(UINT id) : CPropertyPage(id) {}
  BOOL OnKillActive() override { return allowLeave; }
  BOOL OnSetActive() override { return ++activations, TRUE; }
  bool allowLeave = true;
  int activations = 0;
};

TEST(PropertySheetTest, APageMayRefuseToBeLeft) {
  TestResources resources;
  CVetoPage first(kPageOne), second(kPageTwo);
  CPropertySheet sheet("Sheet");
  sheet.AddPage(&first);
  sheet.AddPage(&second);
  std::vector<int> active;
  platform::ui::ScopedAutomation automation([&](platform::ui::Driver& d) {
    if (d.Turn() != platform::ui::ModalTurn::Started) return;
    EXPECT_THAT(d.Rows(AFX_IDC_TAB_CONTROL), ElementsAre("First", "Second"));
    first.allowLeave = false;
    d.SelectTab(1);
    active.push_back(sheet.GetActiveIndex());
    first.allowLeave = true;
    d.SelectTab(1);
    active.push_back(sheet.GetActiveIndex());
    d.Click(kPageCheck);  // on the second page
    d.KeyToFocus(VK_RETURN);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_THAT(active, ElementsAre(0, 1));
  EXPECT_EQ(first.activations, 1);
  EXPECT_EQ(second.activations, 1);
}

}  // namespace
