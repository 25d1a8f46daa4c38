#pragma once
// CPopupMenu: an owner-drawn popup menu in the module's colours. Item 10000
// is a title; items 20000 to 20004 show the line style of pen style
// (id - 20000) beside their text; every other item is a normal item. How
// each item looks in each state is data (MenuItemLook).

#include <string_view>

#include "frame/Api.h"
#include "platform/ui/DC.h"
#include "platform/ui/Menu.h"

struct MenuItemLook {
  COLORREF fill;
  COLORREF text;
  bool centred;
  bool tick;       // a white tick before the text
  int lineStyle;   // pen style of the white line across the right part, -1 for none
};

class OVERLAYS_API CPopupMenu : public CMenu {
 public:
  static constexpr UINT kTitleId = 10000;
  static constexpr UINT kFirstLineStyleId = 20000;
  static constexpr UINT kLastLineStyleId = 20004;
  // Items from here on are measured by the toolkit, not by the menu.
  static constexpr UINT kFirstUnmeasuredId = 30000;
  // The platform's menu bar height, which every measured item takes.
  static constexpr int kItemHeight = 19;

  void AddTitle(std::string_view text);
  void AddItem(UINT id, std::string_view text, UINT flags = MF_STRING);
  // The five line styles, "Solid" to "Dash Dot Dot".
  void AddLineStyleItems();

  static MenuItemLook Look(UINT id, UINT state);
  void MeasureItem(MEASUREITEMSTRUCT* measure) override;
  void DrawItem(DRAWITEMSTRUCT* draw) override;
};
