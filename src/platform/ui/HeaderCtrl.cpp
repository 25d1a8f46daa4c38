#include "platform/ui/HeaderCtrl.h"

#include "platform/ui/Backend.h"

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

// Owner-drawn captions are drawn by the header's class (DrawItem), each in
// its column's rectangle.
void CHeaderCtrl::PaintCaptions(CDC& dc) {
  CRect client;
  GetClientRect(&client);
  int left = 0;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const CRect rect(left, 0, left + items_[i].cxy, client.bottom);
    if (items_[i].fmt & HDF_OWNERDRAW) platform::ui::DrawOwnerItem(*this, static_cast<UINT>(i), rect, 0, dc);
    left = rect.right;
  }
}

LRESULT CHeaderCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    if (wParam) PaintCaptions(*reinterpret_cast<CDC*>(wParam));
    return 0;
  }
  const LRESULT result = CWnd::DefWindowProc(message, wParam, lParam);
  if (message == WM_SETFONT) {
    CRect rect;
    GetWindowRect(&rect);
    rect.bottom = rect.top + platform::ui::LineHeight(GetFont()) + kHeaderPadding;
    MoveWindow(rect);
  }
  return result;
}
