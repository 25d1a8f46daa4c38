// The report list: columns and cells, selection by the user with its
// notifications, and the geometry in-place editors rely on.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ui/InvariantChecker.h"
#include "platform/ui/Toolkit.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class NotifyLog : public CWnd {
 public:
  BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
    const auto* info = reinterpret_cast<const NMLISTVIEW*>(lParam);
    events.push_back(Name(info->hdr.code) + " " + std::to_string(info->iItem));
    *result = 0;
    return TRUE;
  }
  static std::string Name(UINT code) {
    if (code == NM_CLICK) return "click";
    if (code == NM_DBLCLK) return "double";
    if (code == NM_RCLICK) return "right";
    if (code == LVN_ITEMCHANGED) return "changed";
    return "other";
  }
  std::vector<std::string> events;
};

class ListCtrlTest : public testing::Test {
 protected:
  void SetUp() override {
    parent.Create("parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0);
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 300, 200), &parent, 32135);
    list.InsertColumn(0, "Type", LVCFMT_LEFT, 60);
    list.InsertColumn(1, "ID/Name", LVCFMT_LEFT, 100);
    for (const char* name : {"Mary Rose", "Vasa", "Titanic"}) {
      const int row = list.InsertItem(list.GetItemCount(), "Wreck", 0);
      list.SetItemText(row, 1, name);
    }
  }
  platform::ui::InvariantChecker checker;
  NotifyLog parent;
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

TEST_F(ListCtrlTest, AClickSelectsAndFocusesOneRowAndTellsTheParent) {
  list.ChooseRowByUser(1, false);
  list.ChooseRowByUser(2, true);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
  EXPECT_EQ(list.GetSelectedCount(), 1u);
  EXPECT_THAT(parent.events,
              ElementsAre("changed 1", "click 1", "changed 1", "changed 2", "click 2", "double 2"));
  EXPECT_THAT(checker.Problems(), IsEmpty());
}

TEST_F(ListCtrlTest, HitTestsAndCellRectanglesAgree) {
  const int row = list.RowHeight();  // 13 + 4 with the dialog font
  EXPECT_EQ(row, 17);
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
  EXPECT_EQ(list.GetSelectedCount(), 0u) << "a click below the rows selects nothing";
}

}  // namespace
