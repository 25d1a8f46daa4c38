#include "platform/qt/GuiEntry.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "platform/qt/QtBackend.h"

namespace {

// QApplication aborts the process when it cannot reach a display; the host
// wants to say so in one line instead.
bool DisplayAvailable() {
  return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

// A command says what went wrong in one line; Qt's notes on its own set-up
// (a runtime folder it chose, a missing theme) would add lines to it. Only
// what stops Qt is told.
void TellOnlyFailures(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "overlays: Qt: %s\n", qPrintable(message));
}

}  // namespace

int overlays_qt_run(int argc, char** argv, OverlaysQtBody body, void* context) {
  if (!DisplayAvailable()) return kOverlaysQtNoDisplay;
  qInstallMessageHandler(TellOnlyFailures);
  QApplication application(argc, argv);
  platform::qt::QtBackend backend;
  platform::ui::ScopedBackend installed(backend);
  return body(context);
}
