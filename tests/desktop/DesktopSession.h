#pragma once
// What every desktop test shares: the program's one QApplication (on the
// offscreen platform unless the environment names another), the Qt backend
// installed for the test, the widget that shows a window, and screenshots.

#include <QImage>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/qt/QtBackend.h"
#include "platform/ui/Backend.h"

class CDialog;
class CWnd;

namespace platform::ui {
class Driver;
}

#include <ostream>

// gtest shows Qt's strings as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace desktop_test {

// The program's one QApplication, made on first use (the chart's tests
// paint without a session, and widgets need the application kind).
void EnsureApplication();
// Where screenshots go: $OVERLAYS_SCREENSHOTS, else the build folder.
std::filesystem::path ScreenshotFolder();

class DesktopSession {
 public:
  DesktopSession();

  platform::qt::QtBackend& Backend() { return backend_; }
  // Syncs the mirror, then the widget that shows `window`; fails the test
  // and throws when there is none.
  QWidget& WidgetOf(const CWnd& window);
  template <class Widget>
  Widget& WidgetAs(const CWnd& window) {
    auto* widget = qobject_cast<Widget*>(&WidgetOf(window));
    if (!widget) throw std::runtime_error("the window is not shown as the expected widget");
    return *widget;
  }
  // Runs `dialog` modally with `act` called once it shows. A dialog that
  // nothing ends within kPatienceMs ends with kGaveUp, so that a broken
  // input path fails the test instead of hanging it.
  static constexpr int kPatienceMs = 10000;
  static constexpr int kGaveUp = -2;
  int RunModal(CDialog& dialog, const std::function<void(platform::ui::Driver&)>& act);
  // Every window under `window` is shown by a widget under its parent's,
  // at its rectangle and its template's (within a pixel; a closed combo box
  // only one line high), with its caption, visibility and enabled state
  // (WindowTreeCheck).
  void ExpectMirrored(const CWnd& window);
  // The window's widget as it looks now, also written as <name>.png into
  // $OVERLAYS_SCREENSHOTS (the build folder when that is unset).
  QImage Screenshot(const CWnd& window, const std::string& name);

 private:
  // The application must exist before the backend's first Qt object.
  struct ApplicationReady {
    ApplicationReady();
  } ready_;
  platform::qt::QtBackend backend_;
  platform::ui::ScopedBackend installed_{backend_};
};

}  // namespace desktop_test
