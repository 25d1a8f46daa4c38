#include "controls/MyHeaderCtrl.h"

#include "platform/ui/DC.h"

void CMyHeaderCtrl::SetColours(COLORREF background, COLORREF text) {
  background_ = background;
  text_ = text;
  Invalidate();
}

HeaderItemLook CMyHeaderCtrl::ItemLook(int index) const {
  HDITEM item;
  item.mask = HDI_TEXT;
  GetItem(index, &item);
  return {background_, text_, CaptionLines(item.pszText)};
}

// A push-button face with the caption's lines centred one under the other.
void CMyHeaderCtrl::DrawItem(DRAWITEMSTRUCT* draw) {
  if (!draw || !draw->pDC) return;
  CDC& dc = *draw->pDC;
  const HeaderItemLook look = ItemLook(static_cast<int>(draw->itemID));
  const CRect& rect = draw->rcItem;
  dc.FillSolidRect(rect, look.face);
  dc.DrawEdge(rect, EDGE_RAISED);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(look.text);
  // The header font is only tall enough for the lines; they are written in
  // the list's own font.
  dc.SelectObject(GetParent() ? GetParent()->GetFont() : nullptr);
  const int lineHeight = dc.GetTextExtent("Ag").cy;
  int top = rect.CenterPoint().y - lineHeight * static_cast<int>(look.lines.size()) / 2;
  for (const std::string& line : look.lines) {
    dc.DrawText(line, CRect(rect.left, top, rect.right, top + lineHeight), DT_CENTER | DT_SINGLELINE);
    top += lineHeight;
  }
}

std::vector<std::string> CaptionLines(std::string_view caption) {
  std::vector<std::string> lines;
  for (;;) {
    const std::size_t end = caption.find('\n');
    lines.emplace_back(caption.substr(0, end));
    if (end == std::string_view::npos) return lines;
    caption.remove_prefix(end + 1);
  }
}
