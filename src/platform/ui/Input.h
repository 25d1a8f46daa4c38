#pragma once
// A user's input as the window system takes it, whoever produced it: the
// automation hook of a test or the command-line host, or a backend turning
// real key presses and mouse clicks into messages. Input goes the way a
// user's does: PreTranslateMessage of the window and its parents, then the
// keyboard interface of the dialog it sits in, then the window itself.
// Disabled windows, and windows inside disabled ones, get none.

#include "frame/Api.h"
#include "platform/ui/WinConstants.h"

class CWnd;

namespace platform::ui {

struct Modifiers {
  bool shift = false;
  bool control = false;
};

// One input message to `target`.
OVERLAYS_API void DeliverInput(CWnd& target, UINT message, WPARAM wParam, LPARAM lParam);
// A key pressed and released on `target` with the modifiers held: key down,
// the character it types (none for 0), key up; the window may go or pass
// the focus on between them.
OVERLAYS_API void DeliverKeyStroke(CWnd& target, UINT virtualKey, char character, Modifiers modifiers);
// The mouse moved over `window` (or off every window for null): the window
// that asked to hear that the mouse left it gets WM_MOUSELEAVE, then the new
// one WM_MOUSEMOVE at `point` of its client area.
OVERLAYS_API void DeliverMouseMove(CWnd* window, CPoint point, WPARAM keys = 0);

}  // namespace platform::ui
