#pragma once
// CButton: push button, check box, radio button or group box, by style.
// A press (left button down, or Space) pushes it; the release over it
// clicks it: check boxes toggle and the parent gets BN_CLICKED. Asked to
// paint, it lets its class draw its face (DrawItem) as owner-drawn buttons do.

#include "frame/Api.h"
#include "platform/ui/Wnd.h"

class OVERLAYS_API CButton : public CWnd {
 public:
  BOOL Create(std::string_view text, DWORD style, const CRect& rect, CWnd* parent, UINT id);
  UINT ButtonType() const { return GetStyle() & BS_TYPEMASK; }
  int GetCheck() const { return check_; }
  void SetCheck(int check);
  UINT GetState() const;
  // Pushed look on or off (BM_SETSTATE).
  void SetState(BOOL pushed);
  void SetButtonStyle(UINT style, BOOL redraw = TRUE);

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void TakeStateFrom(CWnd& standIn) override;
  // The click that follows a release over a pushed button.
  void Click();

 private:
  void PaintFace(CDC& dc);
  int check_ = BST_UNCHECKED;
  bool pushed_ = false;
};
