#include "controls/PopupMenu.h"

#include "controls/StandardColours.h"
#include "platform/ui/TextMetrics.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kTitleFill = 0x800000;
constexpr COLORREF kSelectedFill = 0xFF9933;
constexpr COLORREF kItemFill = 0x555555;

}  // namespace

void CPopupMenu::AddTitle(std::string_view text) { AddItem(kTitleId, text); }

void CPopupMenu::AddItem(UINT id, std::string_view text, UINT flags) { AppendMenu(flags | MF_OWNERDRAW, id, text); }

void CPopupMenu::AddLineStyleItems() {
  for (UINT i = 0; i < kLineStyleNames.size(); ++i) AddItem(kFirstLineStyleId + i, kLineStyleNames[i]);
}

MenuItemLook CPopupMenu::Look(UINT id, UINT state) {
  if (id == kTitleId) return {kTitleFill, kWhite, true, false, -1};
  const bool lineStyle = id >= kFirstLineStyleId && id <= kLastLineStyleId;
  return {(state & ODS_SELECTED) ? kSelectedFill : kItemFill, kWhite, false, (state & ODS_CHECKED) != 0,
          lineStyle ? static_cast<int>(id - kFirstLineStyleId) : -1};
}

void CPopupMenu::MeasureItem(MEASUREITEMSTRUCT* measure) {
  if (!measure || measure->itemID >= kFirstUnmeasuredId) return;
  const std::string text = GetMenuString(measure->itemID, MF_BYCOMMAND);
  measure->itemWidth = static_cast<UINT>(platform::ui::TextExtent(nullptr, text).cx);
  measure->itemHeight = kItemHeight;
}

void CPopupMenu::DrawItem(DRAWITEMSTRUCT* draw) {
  if (!draw || !draw->pDC) return;
  CDC& dc = *draw->pDC;
  const MenuItemLook look = Look(draw->itemID, draw->itemState);
  const CRect& rect = draw->rcItem;
  dc.FillSolidRect(rect, look.fill);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(look.text);
  const std::string text = GetMenuString(draw->itemID, MF_BYCOMMAND);
  if (look.tick) dc.DrawLine({rect.left + 2, rect.CenterPoint().y}, {rect.left + 8, rect.bottom - 4}, PS_SOLID, kWhite);
  dc.DrawText(text, rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (look.lineStyle >= 0) {
    const int y = rect.CenterPoint().y;
    dc.DrawLine({rect.CenterPoint().x, y}, {rect.right - 4, y}, look.lineStyle, kWhite);
  }
}
