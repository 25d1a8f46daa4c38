#include "desktop/DesktopSession.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include <gtest/gtest.h>

#include "desktop/WindowTreeCheck.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Dialog.h"

namespace desktop_test {
namespace {

// The application goes when the tests end, before the statics of Qt's own
// libraries that it still uses on its way out.
class ApplicationEnvironment : public testing::Environment {
 public:
  QApplication& Application() {
    if (!application_) {
      // Run by hand the tests need no display either.
      setenv("QT_QPA_PLATFORM", "offscreen", 0);
      application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    return *application_;
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[13] = "test_desktop";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

// Registered before the tests start, so that gtest tears it down.
ApplicationEnvironment* const kEnvironment =
    static_cast<ApplicationEnvironment*>(testing::AddGlobalTestEnvironment(new ApplicationEnvironment));

}  // namespace

void EnsureApplication() { kEnvironment->Application(); }

std::filesystem::path ScreenshotFolder() {
  const char* folder = std::getenv("OVERLAYS_SCREENSHOTS");
  return folder && *folder ? std::filesystem::path(folder) : std::filesystem::path(OVERLAYS_BINARY_DIR);
}

DesktopSession::ApplicationReady::ApplicationReady() { EnsureApplication(); }

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
