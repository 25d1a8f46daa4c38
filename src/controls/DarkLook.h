#pragma once
// The dark look every dialog, property page and property sheet of the
// module shares: a background and a text colour derived from the dark flag,
// and a solid brush of the background. Its answers to the control-colour
// request are a small table: which kinds of control take the brush, and
// which of them are also drawn in the text colour on the background.

#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"

// Who answers a control-colour request with the look.
enum class LookOwner { Dialog, PageOrSheet };

class DarkLook {
 public:
  DarkLook();
  // 0: background 555555 with text FFFFFF; 1: background 000000 with text C0C0C0.
  void SetDark(BYTE dark);
  BYTE Dark() const { return dark_; }
  COLORREF Background() const { return background_; }
  COLORREF Text() const { return text_; }
  CBrush* Brush() { return &brush_; }
  // The brush for a control of kind `ctlColor` (CTLCOLOR_*), setting the
  // drawing colours where the look says so; null keeps the toolkit's
  // colours.
  CBrush* Answer(LookOwner owner, CDC* dc, UINT ctlColor);

 private:
  BYTE dark_ = 0;
  COLORREF background_ = 0;
  COLORREF text_ = 0;
  CBrush brush_;
};
