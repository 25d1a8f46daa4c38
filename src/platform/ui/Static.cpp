#include "platform/ui/Static.h"

BOOL CStatic::Create(std::string_view text, DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateWindowOf(platform::ui::ControlKind::Static, text, style, rect, parent, id);
}

void CStatic::OnWindowCreated() {
  const platform::ui::DialogItemTemplate* item = TemplateItem();
  if (bitmap_ || !IsPicture() || !item || item->image == 0) return;
  if (templateBitmap_.LoadBitmap(item->image)) bitmap_ = &templateBitmap_;
}

void CStatic::TakeStateFrom(CWnd& standIn) {
  auto* other = dynamic_cast<CStatic*>(&standIn);
  if (!other) return;
  templateBitmap_ = other->templateBitmap_;
  bitmap_ = other->bitmap_ == &other->templateBitmap_ ? &templateBitmap_ : other->bitmap_;
}

const CBitmap* CStatic::SetBitmap(const CBitmap* bitmap) {
  const CBitmap* previous = bitmap_;
  bitmap_ = bitmap;
  Invalidate();
  return previous;
}

LRESULT CStatic::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Clicks on a notifying text reach the parent as a command.
  if (message == WM_LBUTTONUP && (GetStyle() & SS_NOTIFY)) {
    NotifyParent(BN_CLICKED);
    return 0;
  }
  return CWnd::DefWindowProc(message, wParam, lParam);
}
