#pragma once
// The one entry a host that does not link Qt finds in liboverlays_qt with
// dlsym: it runs a command's body with the Qt backend serving the host's
// windows.

#include "platform/qt/QtApi.h"

// The entry's result when no display can be opened (neither DISPLAY nor
// WAYLAND_DISPLAY is set and no Qt platform is named).
inline constexpr int kOverlaysQtNoDisplay = -1;

extern "C" {

using OverlaysQtBody = int (*)(void* context);
// Makes the QApplication (from the host's own arguments), installs the
// backend for the calling thread, runs `body` and returns its status.
OVERLAYS_QT_API int overlays_qt_run(int argc, char** argv, OverlaysQtBody body, void* context);
using OverlaysQtRun = decltype(&overlays_qt_run);
}
