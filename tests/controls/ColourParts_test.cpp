// The colour table, the colour button's looks, the picker's swatches, the
// dark look's two settings and the popup menu's items, each on its own.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "controls/ColourButton.h"
#include "controls/ColourPickerComboBoxEx.h"
#include "controls/DarkLook.h"
#include "controls/PopupMenu.h"
#include "controls/StandardColours.h"
#include "platform/ui/Automation.h"

namespace {

using testing::ElementsAre;

TEST(StandardColoursTest, TwentyEightDistinctNamesAndValues) {
  std::set<std::string_view> names;
  std::set<COLORREF> values;
  for (const StandardColourDef& c : kStandardColours) {
    names.insert(c.name);
    values.insert(c.value);
  }
  EXPECT_EQ(names.size(), 28u);
  EXPECT_EQ(values.size(), 28u) << "lookup by value must find one entry";
}

TEST(StandardColoursTest, LookupByExactValueFallsBackToBlack) {
  struct Row {
    COLORREF value;
    int index;
  };
  const Row rows[] = {
      {0x000000, 0}, {0x0000FF, 1}, {0x808080, 8}, {0xC0C0C0, 9}, {0x8000FF, 27},
      {0x123456, 0},  // not in the table
      {0x0000FE, 0},  // one step off red: exact values only
  };
  for (const Row& row : rows) EXPECT_EQ(StandardColourIndex(row.value), row.index) << std::hex << row.value;
}

TEST(StandardColoursTest, AnIndexOutsideTheTableStoresZero) {
  EXPECT_EQ(StandardColourValue(5), 0xFF0000u);
  EXPECT_EQ(StandardColourValue(27), 0x8000FFu);
  EXPECT_EQ(StandardColourValue(28), 0u);
  EXPECT_EQ(StandardColourValue(-1), 0u);
  EXPECT_THAT(kLineStyleNames, ElementsAre("Solid", "Dash", "Dot", "Dash Dot", "Dash Dot Dot"));
}

// A colour button on a bare parent window, to look at its states.
class ColourButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    parent.Create("parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0);
    button.Create("Go", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 85, 33), &parent, 5);
  }
  CWnd parent;
  CColourButton button;
};

TEST_F(ColourButtonTest, StartsWithTheNineDefaultSlots) {
  const CColourButton::Colours& c = button.GetColours();
  EXPECT_EQ(std::vector<COLORREF>({c.normalFace, c.normalSecond, c.normalText, c.hoverFace, c.hoverText, c.currentFace,
                                   c.pressedFace, c.currentSecond, c.currentText}),
            std::vector<COLORREF>({0xCC7B00, 0x800000, 0xFFFFFF, 0xFF0000, 0xFFFFFF, 0xCC7B00, 0xCC7B00, 0x800000,
                                   0xFFFFFF}));
}

TEST_F(ColourButtonTest, LooksByState) {
  button.SetNormalColours(0x008000, 0x004000, 0xFFFFFF);
  button.SetPressedColour(0x00FF00);
  ButtonLook look = button.Look();
  EXPECT_EQ(look.face, 0x008000u);
  EXPECT_EQ(look.edge, EDGE_RAISED);
  EXPECT_EQ(look.inset, 5);

  button.SetState(TRUE);  // held down
  look = button.Look();
  EXPECT_EQ(look.face, 0x00FF00u);
  EXPECT_EQ(look.edge, EDGE_SUNKEN);
  button.SetState(FALSE);

  button.SetHighlight(true);
  EXPECT_EQ(button.Look().face, 0x004000u) << "highlighted buttons show the second colour";
}

TEST_F(ColourButtonTest, DisabledIsGreyWhateverItsColours) {
  button.SetNormalColours(0x0000FF, 0x000080, 0x00FFFF);
  button.SetHighlight(true);
  button.EnableWindow(FALSE);
  const ButtonLook look = button.Look();
  EXPECT_EQ(look.face, 0x808080u);
  EXPECT_EQ(look.text, 0xC0C0C0u);
  EXPECT_EQ(look.edge, 0);
  CDC dc;
  button.Paint(dc);
  ASSERT_FALSE(dc.Operations().empty());
  EXPECT_EQ(dc.Operations().front().colour, 0x808080u);
}

TEST_F(ColourButtonTest, BitmapButtonsShowTheBitmapOfTheirState) {
  button.SetBitmaps(1, 2, 3, 4);
  EXPECT_EQ(button.Look().bitmap, ButtonBitmap::Normal);
  button.SendMessage(WM_MOUSEMOVE);
  EXPECT_EQ(button.Look().bitmap, ButtonBitmap::Hover);
  button.SetState(TRUE);
  EXPECT_EQ(button.Look().bitmap, ButtonBitmap::Pressed);
  button.EnableWindow(FALSE);
  EXPECT_EQ(button.Look().bitmap, ButtonBitmap::Disabled);
}

TEST_F(ColourButtonTest, WithoutANotificationWindowNothingIsPosted) {
  // A press and release on a button nobody listens to only clicks it.
  button.SendMessage(WM_LBUTTONDOWN);
  EXPECT_TRUE(button.IsPressedState());
  button.SendMessage(WM_LBUTTONUP);
  EXPECT_FALSE(button.IsPressedState());
}

TEST(ColourPickerTest, FillGivesTheNamesWithSwatchesOnWhite) {
  CWnd parent;
  parent.Create("parent", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0);
  CColourPickerComboBoxEx picker;
  picker.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 150, 200), &parent, 9);
  picker.AddString("left over");
  picker.Fill();
  ASSERT_EQ(picker.GetCount(), 28);
  EXPECT_EQ(picker.GetLBText(0), "Black");
  EXPECT_EQ(picker.GetLBText(27), "Crimson");
  const CImageList* images = picker.GetImageList();
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(images->GetImageCount(), 28);
  EXPECT_EQ(images->GetImageSize(), CSize(16, 16));
  for (int i : {1, 8, 23}) {
    EXPECT_EQ(picker.GetItemImage(i), i);
    const CBitmap* swatch = images->ExtractIcon(i);
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->GetPixel(0, 0), 0xFFFFFFu) << "white background";
    EXPECT_TRUE(images->IsTransparent(i, 0, 0)) << "masked by white";
    EXPECT_EQ(swatch->GetPixel(1, 1), 0x000000u) << "the frame";
    EXPECT_EQ(swatch->GetPixel(14, 8), 0x000000u);
    EXPECT_EQ(swatch->GetPixel(2, 2), StandardColourValue(i)) << "the colour fills the inside";
    EXPECT_EQ(swatch->GetPixel(13, 13), StandardColourValue(i));
  }
  picker.SetColour(0x123456);
  EXPECT_EQ(picker.GetWindowText(), "Black");
  picker.SetColour(0x008080);
  EXPECT_EQ(picker.GetWindowText(), "Brown");
  EXPECT_EQ(picker.GetColour(), 0x008080u);
}

TEST(DarkLookTest, TheDarkFlagChoosesTheColoursAndTheBrush) {
  DarkLook look;
  EXPECT_EQ(look.Background(), 0x555555u);
  EXPECT_EQ(look.Text(), 0xFFFFFFu);
  look.SetDark(1);
  EXPECT_EQ(look.Background(), 0x000000u);
  EXPECT_EQ(look.Text(), 0xC0C0C0u);
  EXPECT_EQ(look.Brush()->Colour(), 0x000000u);
  CDC dc;
  EXPECT_EQ(look.Answer(LookOwner::PageOrSheet, &dc, CTLCOLOR_BTN), look.Brush());
  EXPECT_EQ(look.Answer(LookOwner::Dialog, &dc, CTLCOLOR_BTN), nullptr);
  EXPECT_EQ(look.Answer(LookOwner::PageOrSheet, &dc, CTLCOLOR_EDIT), nullptr);
  EXPECT_EQ(look.Answer(LookOwner::Dialog, &dc, CTLCOLOR_STATIC), look.Brush());
  EXPECT_EQ(dc.GetTextColor(), 0xC0C0C0u);
  EXPECT_EQ(dc.GetBkColor(), 0x000000u);
}

TEST(PopupMenuTest, ItemLooksFollowTheirKindAndState) {
  struct Row {
    UINT id;
    UINT state;
    COLORREF fill;
    bool centred;
    bool tick;
    int lineStyle;
  };
  const Row rows[] = {
      {10000, 0, 0x800000, true, false, -1},
      {10000, ODS_SELECTED, 0x800000, true, false, -1},  // a title never lights up
      {100, 0, 0x555555, false, false, -1},
      {100, ODS_SELECTED, 0xFF9933, false, false, -1},
      {100, ODS_CHECKED, 0x555555, false, true, -1},
      {20000, 0, 0x555555, false, false, PS_SOLID},
      {20004, ODS_SELECTED, 0xFF9933, false, false, PS_DASHDOTDOT},
      {20005, 0, 0x555555, false, false, -1},
  };
  for (const Row& row : rows) {
    const MenuItemLook look = CPopupMenu::Look(row.id, row.state);
    EXPECT_EQ(look.fill, row.fill) << row.id << " state " << row.state;
    EXPECT_EQ(look.text, 0xFFFFFFu);
    EXPECT_EQ(look.centred, row.centred);
    EXPECT_EQ(look.tick, row.tick);
    EXPECT_EQ(look.lineStyle, row.lineStyle) << row.id;
  }
}

TEST(PopupMenuTest, TrackingMeasuresItemsAndReturnsTheChoice) {
  CPopupMenu menu;
  menu.CreatePopupMenu();
  menu.AddTitle("Shape Files");
  menu.AddItem(100, "Add File");
  menu.AddItem(200, "Remove File", MF_GRAYED);
  menu.AddLineStyleItems();
  menu.AddItem(30000, "Unmeasured");
  std::vector<std::string> texts;
  platform::ui::ScopedAutomation automation([&](platform::ui::Driver& d) {
    texts = d.MenuTexts();
    d.ChooseMenuItem(20002);
  });
  EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 20002);
  EXPECT_THAT(texts, ElementsAre("Shape Files", "Add File", "Remove File", "Solid", "Dash", "Dot", "Dash Dot",
                                 "Dash Dot Dot", "Unmeasured"));
  EXPECT_EQ(menu.MeasuredSize(100), CSize(8 * 6, 19)) << "text width at 6 pixels a character, menu height";
  EXPECT_EQ(menu.MeasuredSize(30000), CSize(0, 0)) << "left to the toolkit";
  EXPECT_NE(menu.GetMenuState(100, MF_BYCOMMAND) & MF_OWNERDRAW, 0u);
}

TEST(PopupMenuTest, AGreyedItemCannotBeChosen) {
  CPopupMenu menu;
  menu.CreatePopupMenu();
  menu.AddItem(200, "Remove File", MF_GRAYED);
  platform::ui::ScopedAutomation automation([&](platform::ui::Driver& d) { d.ChooseMenuItem(200); });
  EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0);
}

TEST(PopupMenuTest, DrawItemPaintsTheLineStyleAcrossTheRightPart) {
  CPopupMenu menu;
  menu.CreatePopupMenu();
  menu.AddLineStyleItems();
  CDC dc;
  DRAWITEMSTRUCT draw;
  draw.itemID = 20001;
  draw.pDC = &dc;
  draw.rcItem = CRect(0, 0, 120, 19);
  menu.DrawItem(&draw);
  const auto& ops = dc.Operations();
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[0].kind, DrawOp::Kind::Fill);
  EXPECT_EQ(ops[1].text, "Dash");
  EXPECT_EQ(ops[2].kind, DrawOp::Kind::Line);
  EXPECT_EQ(ops[2].style, PS_DASH);
  EXPECT_EQ(ops[2].rect.top, 9) << "at mid-height";
  EXPECT_GE(ops[2].rect.left, 60) << "in the right part";
}

}  // namespace
