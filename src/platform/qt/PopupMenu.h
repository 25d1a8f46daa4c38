#pragma once
// A popup menu of the window system shown as a QMenu. An owner-drawn item
// shows what the menu's DrawItem draws for it, at its measured size.

#include <QPoint>

#include "platform/ui/WinConstants.h"

class CMenu;

namespace platform::qt {

// The chosen item's id, 0 when the menu was dismissed.
UINT ShowPopupMenu(CMenu& menu, QPoint screenPoint);

}  // namespace platform::qt
