#include "desktop/DesktopSession.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include <gtest/gtest.h>

#include "desktop/WindowTreeCheck.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Dialog.h"

namespace desktop_test {
namespace {

void MakeApplication() {
  static int argc = 1;
  static char name[] = "test_desktop";
  static char* argv[] = {name, nullptr};
  // Run by hand the tests need no display either.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (QCoreApplication::instance()) return;
  // Never destroyed: at exit Qt's own globals (the pointing devices QTest
  // registers among them) are gone before a static application would be,
  // and its destructor crashed every test program on the way out.
  new QApplication(argc, argv);
}

std::filesystem::path ScreenshotFolder() {
  const char* folder = std::getenv("OVERLAYS_SCREENSHOTS");
  return folder && *folder ? std::filesystem::path(folder) : std::filesystem::path(OVERLAYS_BINARY_DIR);
}

}  // namespace

DesktopSession::ApplicationReady::ApplicationReady() { MakeApplication(); }

DesktopSession::DesktopSession() = default;

QWidget& DesktopSession::WidgetOf(const CWnd& window) {
  backend_.SyncNow();
  QWidget* widget = backend_.WidgetOf(window);
  if (!widget) {
    ADD_FAILURE() << "window " << window.GetDlgCtrlID() << " has no widget";
    throw std::runtime_error("no widget");
  }
  return *widget;
}

int DesktopSession::RunModal(CDialog& dialog, const std::function<void(platform::ui::Driver&)>& act) {
  QTimer patience;
  patience.setSingleShot(true);
  QObject::connect(&patience, &QTimer::timeout, [&dialog] {
    ADD_FAILURE() << "the dialog was still open after " << kPatienceMs << " ms";
    dialog.EndDialog(kGaveUp);
  });
  platform::ui::ScopedAutomation automation([&](platform::ui::Driver& d) {
    if (d.Turn() != platform::ui::ModalTurn::Started) return;
    patience.start(kPatienceMs);
    act(d);
  });
  return dialog.DoModal();
}

void DesktopSession::ExpectMirrored(const CWnd& window) { ExpectWidgetsMirrorWindows(*this, window); }

QImage DesktopSession::Screenshot(const CWnd& window, const std::string& name) {
  QWidget& widget = WidgetOf(window);
  const QImage image = widget.grab().toImage();
  std::filesystem::create_directories(ScreenshotFolder());
  const std::filesystem::path file = ScreenshotFolder() / (name + ".png");
  EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "PNG")) << file;
  return image;
}

}  // namespace desktop_test
