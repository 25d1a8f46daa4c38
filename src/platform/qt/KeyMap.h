#pragma once
// A Qt key event as the window system's key stroke: the virtual key and the
// Windows-1252 character it types.

#include "platform/ui/Input.h"

class QKeyEvent;

namespace platform::qt {

struct WindowKey {
  UINT virtualKey = 0;
  char character = 0;
  platform::ui::Modifiers modifiers;
};

// A virtual key of 0 for keys the window system has no use for (a lone
// Shift, function keys beyond F1).
WindowKey WindowKeyOf(const QKeyEvent& event);

}  // namespace platform::qt
