#include "platform/qt/GuiEntry.h"

#include <QApplication>

#include <cstdlib>

#include "platform/qt/QtBackend.h"

namespace {

// QApplication aborts the process when it cannot reach a display; the host
// wants to say so in one line instead.
bool DisplayAvailable() {
  return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

}  // namespace

int overlays_qt_run(int argc, char** argv, OverlaysQtBody body, void* context) {
  if (!DisplayAvailable()) return kOverlaysQtNoDisplay;
  QApplication application(argc, argv);
  platform::qt::QtBackend backend;
  platform::ui::ScopedBackend installed(backend);
  return body(context);
}
