#include "controls/MyHeaderCtrl.h"

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

std::vector<std::string> CaptionLines(std::string_view caption) {
  std::vector<std::string> lines;
  for (;;) {
    const std::size_t end = caption.find('\n');
    lines.emplace_back(caption.substr(0, end));
    if (end == std::string_view::npos) return lines;
    caption.remove_prefix(end + 1);
  }
}
