#include "controls/ColourButton.h"

#include "frame/MessageNames.h"
#include "platform/ui/RegisteredMessages.h"

namespace {

const UINT UM_BUTTON_DOWN = platform::ui::RegisterWindowMessage(messages::kButtonDown);

// Disabled buttons are grey whatever their colours.
constexpr COLORREF kDisabledFace = 0x808080;
constexpr COLORREF kDisabledText = 0xC0C0C0;
// Caption, bitmap and focus rectangle keep this far from the edge.
constexpr int kInsetPixels = 5;

}  // namespace

CColourButton::CColourButton() = default;

const MessageMap& CColourButton::GetMessageMap() const {
  using H = Handlers<CColourButton>;
  static const MessageMap map(&CButton::GetMessageMap(), {
      H::Mouse(WM_MOUSEMOVE, &CColourButton::OnMouseMove),
      H::Message(WM_MOUSELEAVE, &CColourButton::OnMouseLeave),
      H::Mouse(WM_LBUTTONDOWN, &CColourButton::OnLButtonDown),
      H::Mouse(WM_LBUTTONDBLCLK, &CColourButton::OnLButtonDown),
      H::Mouse(WM_LBUTTONUP, &CColourButton::OnLButtonUp),
  });
  return map;
}

void CColourButton::SetNormalColours(COLORREF face, COLORREF second, COLORREF text) {
  colours_.normalFace = face;
  colours_.normalSecond = second;
  colours_.normalText = text;
  if (!hot_) {
    colours_.currentFace = face;
    colours_.currentSecond = second;
    colours_.currentText = text;
  }
  Invalidate();
}

void CColourButton::SetHoverColours(COLORREF face, COLORREF text) {
  colours_.hoverFace = face;
  colours_.hoverText = text;
  Invalidate();
}

void CColourButton::SetPressedColour(COLORREF face) {
  colours_.pressedFace = face;
  Invalidate();
}

void CColourButton::SetHighlight(bool highlight) {
  highlight_ = highlight;
  Invalidate();
}

void CColourButton::SetBitmaps(UINT normal, UINT hover, UINT pressed, UINT disabled) {
  bitmaps_[0] = normal;
  bitmaps_[1] = hover;
  bitmaps_[2] = pressed;
  bitmaps_[3] = disabled;
  hasBitmap_ = normal || hover || pressed || disabled;
  Invalidate();
}

void CColourButton::SetNotify(CWnd* window, UINT id) {
  notifyWindow_ = window ? window->m_hWnd : nullptr;
  notifyId_ = id;
}

void CColourButton::OnMouseMove(UINT, CPoint) {
  if (hot_) return;
  hot_ = true;
  colours_.currentFace = colours_.hoverFace;
  colours_.currentSecond = colours_.hoverFace;
  colours_.currentText = colours_.hoverText;
  TRACKMOUSEEVENT track{TME_LEAVE, m_hWnd};
  TrackMouseEvent(&track);
  Invalidate();
}

LRESULT CColourButton::OnMouseLeave(WPARAM, LPARAM) {
  hot_ = false;
  colours_.currentFace = colours_.normalFace;
  colours_.currentSecond = colours_.normalSecond;
  colours_.currentText = colours_.normalText;
  Invalidate();
  return 0;
}

void CColourButton::SetPressedState(bool pressed) {
  if (pressedState_ == pressed) return;
  pressedState_ = pressed;
  if (notifyWindow_) ::PostMessage(notifyWindow_, UM_BUTTON_DOWN, notifyId_, pressed ? 1 : 0);
  Invalidate();
}

void CColourButton::OnLButtonDown(UINT, CPoint) {
  Default();
  if (IsWindowEnabled()) SetPressedState(true);
}

void CColourButton::OnLButtonUp(UINT, CPoint) {
  // Released before the click, so the parent's command handler sees the
  // button up.
  const HWND self = m_hWnd;
  SetPressedState(false);
  if (FromHandle(self) == this) Default();
}

ButtonBitmap CColourButton::BitmapFor(bool disabled) const {
  if (!hasBitmap_) return ButtonBitmap::None;
  if (disabled) return ButtonBitmap::Disabled;
  if (GetState() & BST_PUSHED) return ButtonBitmap::Pressed;
  return hot_ ? ButtonBitmap::Hover : ButtonBitmap::Normal;
}

ButtonLook CColourButton::Look() const {
  const bool focused = GetFocus() == this;
  if (!IsWindowEnabled()) return {kDisabledFace, kDisabledText, 0, BitmapFor(true), focused, kInsetPixels};
  if (GetState() & BST_PUSHED)
    return {colours_.pressedFace, colours_.currentText, EDGE_SUNKEN, BitmapFor(false), focused, kInsetPixels};
  const COLORREF face = highlight_ ? colours_.currentSecond : colours_.currentFace;
  return {face, colours_.currentText, EDGE_RAISED, BitmapFor(false), focused, kInsetPixels};
}

void CColourButton::DrawItem(DRAWITEMSTRUCT* draw) {
  if (draw && draw->pDC) Paint(*draw->pDC);
}

void CColourButton::Paint(CDC& dc) const {
  static constexpr const char* kBitmapNames[] = {"", "normal", "hover", "pressed", "disabled"};
  const ButtonLook look = Look();
  CRect rect;
  GetClientRect(&rect);
  dc.FillSolidRect(rect, look.face);
  if (look.edge) dc.DrawEdge(rect, look.edge);
  CRect inside = rect;
  inside.DeflateRect(look.inset);
  if (look.bitmap != ButtonBitmap::None) {
    dc.DrawBitmap(kBitmapNames[static_cast<int>(look.bitmap)], inside);
  } else {
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(look.text);
    dc.DrawText(GetWindowText(), inside, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  if (look.focusRect) dc.DrawFocusRect(inside);
}
