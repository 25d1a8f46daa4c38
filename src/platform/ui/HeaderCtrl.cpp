#include "platform/ui/HeaderCtrl.h"

#include "platform/ui/TextMetrics.h"

namespace {
// Room above and below the captions, as in a list's rows.
constexpr int kHeaderPadding = 4;
}  // namespace

BOOL CHeaderCtrl::GetItem(int index, HDITEM* item) const {
  if (!item || index < 0 || index >= GetItemCount()) return FALSE;
  const HDITEM& stored = items_[static_cast<std::size_t>(index)];
  if (item->mask & HDI_WIDTH) item->cxy = stored.cxy;
  if (item->mask & HDI_TEXT) item->pszText = stored.pszText;
  if (item->mask & HDI_FORMAT) item->fmt = stored.fmt;
  if (item->mask & HDI_LPARAM) item->lParam = stored.lParam;
  return TRUE;
}

BOOL CHeaderCtrl::SetItem(int index, const HDITEM* item) {
  if (!item || index < 0 || index >= GetItemCount()) return FALSE;
  HDITEM& stored = items_[static_cast<std::size_t>(index)];
  if (item->mask & HDI_WIDTH) stored.cxy = item->cxy;
  if (item->mask & HDI_TEXT) stored.pszText = item->pszText;
  if (item->mask & HDI_FORMAT) stored.fmt = item->fmt;
  if (item->mask & HDI_LPARAM) stored.lParam = item->lParam;
  Invalidate();
  return TRUE;
}

std::vector<std::string> CHeaderCtrl::AccessibleRows() const {
  std::vector<std::string> captions;
  for (const HDITEM& item : items_) captions.push_back(item.pszText);
  return captions;
}

LRESULT CHeaderCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CWnd::DefWindowProc(message, wParam, lParam);
  if (message == WM_SETFONT) {
    CRect rect;
    GetWindowRect(&rect);
    rect.bottom = rect.top + platform::ui::LineHeight(GetFont()) + kHeaderPadding;
    MoveWindow(rect);
  }
  return result;
}
