#include "platform/ui/Button.h"

#include "platform/ui/Backend.h"

BOOL CButton::Create(std::string_view text, DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateWindowOf(platform::ui::ControlKind::Button, text, style, rect, parent, id);
}

void CButton::TakeStateFrom(CWnd& standIn) {
  if (auto* other = dynamic_cast<CButton*>(&standIn)) check_ = other->check_;
}

void CButton::SetCheck(int check) {
  if (check_ == check) return;
  check_ = check;
  Invalidate();
}

UINT CButton::GetState() const {
  UINT state = static_cast<UINT>(check_);
  if (pushed_) state |= BST_PUSHED;
  if (GetFocus() == this) state |= BST_FOCUS;
  return state;
}

void CButton::SetState(BOOL pushed) {
  if (pushed_ == (pushed != FALSE)) return;
  pushed_ = pushed != FALSE;
  Invalidate();
}

void CButton::SetButtonStyle(UINT style, BOOL redraw) {
  ModifyStyle(BS_TYPEMASK, style & BS_TYPEMASK);
  if (redraw) Invalidate();
}

void CButton::Click() {
  switch (ButtonType()) {
    case BS_AUTOCHECKBOX:
      SetCheck(check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
      break;
    case BS_AUTORADIOBUTTON:
      // The module groups radio buttons one group per parent window.
      if (CWnd* parent = GetParent()) {
        const auto& siblings = parent->Children();
        for (CWnd* sibling : siblings)
          if (auto* radio = dynamic_cast<CButton*>(sibling); radio && radio != this &&
                                                              radio->ButtonType() == BS_AUTORADIOBUTTON)
            radio->SetCheck(BST_UNCHECKED);
      }
      SetCheck(BST_CHECKED);
      break;
    default:
      break;
  }
  NotifyParent(BN_CLICKED);
}

// A button whose class draws its own face is asked to, as an owner-drawn
// button is; the rest keep the backend's look.
void CButton::PaintFace(CDC& dc) {
  CRect client;
  GetClientRect(&client);
  UINT state = 0;
  if (pushed_) state |= ODS_SELECTED;
  if (!IsWindowEnabled()) state |= ODS_DISABLED;
  if (GetFocus() == this) state |= ODS_FOCUS;
  if (GetCheck() == BST_CHECKED) state |= ODS_CHECKED;
  platform::ui::DrawOwnerItem(*this, 0, client, state, dc);
}

LRESULT CButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (ButtonType() == BS_GROUPBOX) return CWnd::DefWindowProc(message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      if (wParam) PaintFace(*reinterpret_cast<CDC*>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!IsWindowEnabled()) return 0;
      SetFocus();
      SetState(TRUE);
      return 0;
    case WM_LBUTTONUP:
      if (!pushed_) return 0;
      SetState(FALSE);
      Click();
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && IsWindowEnabled()) SetState(TRUE);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && pushed_) {
        SetState(FALSE);
        Click();
      }
      return 0;
    case BM_CLICK:
      if (IsWindowEnabled()) Click();
      return 0;
    case BM_GETCHECK:
      return check_;
    case BM_SETCHECK:
      SetCheck(static_cast<int>(wParam));
      return 0;
    case BM_GETSTATE:
      return static_cast<LRESULT>(GetState());
    case BM_SETSTATE:
      SetState(static_cast<BOOL>(wParam));
      return 0;
    default:
      return CWnd::DefWindowProc(message, wParam, lParam);
  }
}
