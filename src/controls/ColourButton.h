#pragma once
// CColourButton: a push button in strong colours that lights up while the
// mouse is over it. Its colours are nine slots; hovering copies the hover
// slots into the current ones and leaving copies the normal ones back. A
// press and its release post "UM_BUTTON_DOWN" to the notification window
// (when set) with the notification id and 1, then 0.
//
// How it is drawn in each state is data (ButtonLook) that a backend paints
// and tests read; Paint records it into a drawing context.

#include "frame/Api.h"
#include "platform/ui/Button.h"
#include "platform/ui/DC.h"

// The bitmap slot a state shows, for buttons with bitmaps.
enum class ButtonBitmap { None, Normal, Hover, Pressed, Disabled };

struct ButtonLook {
  COLORREF face;
  COLORREF text;
  int edge;  // EDGE_RAISED, EDGE_SUNKEN, or 0 for none
  ButtonBitmap bitmap;
  bool focusRect;
  // Caption or bitmap, and the focus rectangle, sit this far inside.
  int inset;
};

class OVERLAYS_API CColourButton : public CButton {
 public:
  CColourButton();

  // The colour slots, in their order.
  struct Colours {
    COLORREF normalFace = 0xCC7B00;
    COLORREF normalSecond = 0x800000;
    COLORREF normalText = 0xFFFFFF;
    COLORREF hoverFace = 0xFF0000;
    COLORREF hoverText = 0xFFFFFF;
    COLORREF currentFace = 0xCC7B00;
    COLORREF pressedFace = 0xCC7B00;
    COLORREF currentSecond = 0x800000;
    COLORREF currentText = 0xFFFFFF;
  };
  const Colours& GetColours() const { return colours_; }
  // Normal face, second colour and text; the current slots follow unless
  // the mouse is over the button.
  void SetNormalColours(COLORREF face, COLORREF second, COLORREF text);
  void SetHoverColours(COLORREF face, COLORREF text);
  void SetPressedColour(COLORREF face);
  // Draws the face in the current second colour instead.
  void SetHighlight(bool highlight);
  // Bitmap resources for the four states; 0 leaves a state without one.
  void SetBitmaps(UINT normal, UINT hover, UINT pressed, UINT disabled);
  void SetNotify(CWnd* window, UINT id);

  bool IsHot() const { return hot_; }
  bool IsPressedState() const { return pressedState_; }
  ButtonLook Look() const;
  void Paint(CDC& dc) const;
  void DrawItem(DRAWITEMSTRUCT* draw) override;

  const MessageMap& GetMessageMap() const override;

 private:
  void OnMouseMove(UINT flags, CPoint point);
  LRESULT OnMouseLeave(WPARAM, LPARAM);
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void SetPressedState(bool pressed);
  ButtonBitmap BitmapFor(bool disabled) const;

  Colours colours_;
  UINT bitmaps_[4] = {0, 0, 0, 0};
  bool hasBitmap_ = false;
  bool hot_ = false;
  bool pressedState_ = false;
  bool highlight_ = false;
  UINT notifyId_ = 0;
  HWND notifyWindow_ = nullptr;
};
