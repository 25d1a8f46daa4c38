// The colour table, the colour button's looks, the picker's swatches and
// the popup menu's items, each on its own.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "controls/ColourButton.h"
#include "platform/ui/Backend.h"
#include "controls/ColourPickerComboBoxEx.h"
#include "controls/PopupMenu.h"
#include "controls/StandardColours.h"
#include "platform/ui/Automation.h"

namespace {

using testing::ElementsAre;

// Lookup by value must find one entry, so the values are all different;
// values not in the table, and indexes outside it, fall back to black / 0.
TEST(StandardColoursTest, ValuesAndIndexesMapBothWaysAndFallBack) {
  std::set<COLORREF> values;
  for (int i = 0; i < 28; ++i) {
    values.insert(kStandardColours[i].value);
    EXPECT_EQ(StandardColourIndex(StandardColourValue(i)), i);
  }
  EXPECT_EQ(values.size(), 28u);
  for (COLORREF stranger : {0x123456u, 0x0000FEu}) EXPECT_EQ(StandardColourIndex(stranger), 0) << std::hex << stranger;
  for (int outside : {28, -1}) EXPECT_EQ(StandardColourValue(outside), 0u) << outside;
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

TEST_F(ColourButtonTest, LooksByStateAndGreyWhenDisabledWhateverItsColours) {
  button.SetNormalColours(0x008000, 0x004000, 0xFFFFFF);
  button.SetPressedColour(0x00FF00);
  const auto faceAndEdge = [&] { return std::pair(button.Look().face, button.Look().edge); };
  EXPECT_EQ(faceAndEdge(), std::pair(COLORREF{0x008000}, EDGE_RAISED));
  button.SetState(TRUE);  // held down
  EXPECT_EQ(faceAndEdge(), std::pair(COLORREF{0x00FF00}, EDGE_SUNKEN));
  button.SetState(FALSE);
  button.SetHighlight(true);
  EXPECT_EQ(button.Look().face, 0x004000u) << "highlighted buttons show the second colour";
  button.EnableWindow(FALSE);
  const ButtonLook look = button.Look();
  EXPECT_EQ(std::tuple(look.face, look.text, look.edge), std::tuple(COLORREF{0x808080}, COLORREF{0xC0C0C0}, 0));
  CDC dc;
  ASSERT_TRUE(platform::ui::PaintWindow(button, dc)) << "owner-drawn: the button paints its own face";
  EXPECT_EQ(dc.Operations().front().colour, 0x808080u) << "painted as it looks";
  const DrawOp& caption = dc.Operations().back();
  EXPECT_EQ(std::tuple(caption.text, caption.format), std::tuple("Go", DT_CENTER | DT_VCENTER | DT_SINGLELINE));
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

TEST(ColourPickerTest, FillGivesTheNamesWithSwatchesOnWhite) {
  CWnd parent;
  parent.Create("parent", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0);
  CColourPickerComboBoxEx picker;
  picker.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 150, 200), &parent, 9);
  picker.AddString("left over");
  picker.Fill();
  ASSERT_EQ(picker.GetCount(), 28) << "what was there before is gone";
  const CImageList* images = picker.GetImageList();
  ASSERT_NE(images, nullptr);
  for (int i : {1, 23}) {
    EXPECT_EQ(picker.GetItemImage(i), i);
    const CBitmap* swatch = images->ExtractIcon(i);
    ASSERT_NE(swatch, nullptr);
    EXPECT_TRUE(images->IsTransparent(i, 0, 0)) << "white ground, masked";
    // A black frame, the colour inside it.
    const COLORREF inside = StandardColourValue(i);
    EXPECT_EQ(std::vector({swatch->GetPixel(1, 1), swatch->GetPixel(14, 8), swatch->GetPixel(2, 2),
                           swatch->GetPixel(13, 13)}),
              std::vector({COLORREF{0}, COLORREF{0}, inside, inside}));
  }
  picker.SetColour(0x123456);
  EXPECT_EQ(picker.GetWindowText(), "Black");
  picker.SetColour(0x008080);
  EXPECT_EQ(picker.GetWindowText(), "Brown");
  EXPECT_EQ(picker.GetColour(), 0x008080u);
}

TEST(PopupMenuTest, ItemLooksFollowTheirKindAndState) {
  using Row = std::tuple<UINT, UINT, COLORREF, bool, bool, int>;  // id, state: fill, centred, tick, line style
  const Row rows[] = {
      {10000, ODS_SELECTED, 0x800000, true, false, -1},  // a title never lights up
      {100, 0, 0x555555, false, false, -1},
      {100, ODS_SELECTED, 0xFF9933, false, false, -1},
      {100, ODS_CHECKED, 0x555555, false, true, -1},
      {20000, 0, 0x555555, false, false, PS_SOLID},
      {20004, ODS_SELECTED, 0xFF9933, false, false, PS_DASHDOTDOT},
      {20005, 0, 0x555555, false, false, -1},
  };
  for (const auto& [id, state, fill, centred, tick, lineStyle] : rows) {
    const MenuItemLook look = CPopupMenu::Look(id, state);
    EXPECT_EQ(Row(id, state, look.fill, look.centred, look.tick, look.lineStyle),
              Row(id, state, fill, centred, tick, lineStyle));
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
  platform::ui::ScopedAutomation greyed([&](platform::ui::Driver& d) { d.ChooseMenuItem(200); });
  EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0) << "a greyed item cannot be chosen";
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
  EXPECT_EQ(std::tuple(ops[0].kind, ops[1].text, ops[2].kind, ops[2].style),
            std::tuple(DrawOp::Kind::Fill, "Dash", DrawOp::Kind::Line, PS_DASH));
  EXPECT_EQ(ops[2].rect.top, 9) << "at mid-height";
  EXPECT_GE(ops[2].rect.left, 60) << "in the right part";
}

}  // namespace
