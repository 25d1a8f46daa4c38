#pragma once
// The application's main window: the host names it once its frame exists,
// and controls anywhere in the process post it news (an edit field took or
// gave up the focus). Null until named, and after the host clears it.

#include "frame/Api.h"
#include "platform/ui/WinTypes.h"

namespace platform::ui {

OVERLAYS_API HWND MainWindow();
OVERLAYS_API void SetMainWindow(HWND window);

}  // namespace platform::ui
