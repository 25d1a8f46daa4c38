#pragma once
// The Qt 6 backend of the window system: every window of the thread that
// installs it is mirrored onto a widget (WindowMirror), a user's input
// comes back as the window system's own messages (InputFilter), and the
// window system's messages and timers run inside Qt's event loop: a wake
// from any thread posts an event that pumps them, a timer fires when the
// next window timer falls due, and a modal loop waits in a nested turn of
// Qt's loop.
//
// Needs a QApplication on the calling thread for its whole life.

#include <QObject>
#include <QTimer>

#include <atomic>

#include "platform/qt/ClipboardBridge.h"
#include "platform/qt/InputFilter.h"
#include "platform/qt/QtApi.h"
#include "platform/qt/WindowMirror.h"
#include "platform/ui/Backend.h"

namespace platform::qt {

class OVERLAYS_QT_API QtBackend final : public QObject, public platform::ui::Backend {
 public:
  QtBackend();
  ~QtBackend() override;

  void Created(CWnd& window) override;
  void Changed(CWnd& window, platform::ui::WindowChange change) override;
  void Destroyed(CWnd& window) override;
  bool WaitForWork(std::optional<platform::ui::Millis> deadline) override;
  void Wake() override;
  UINT TrackPopupMenu(CMenu& menu, CPoint screenPoint, CWnd* owner) override;

  // The widget that shows a window, or null (tests, screenshots).
  QWidget* WidgetOf(const CWnd& window) const;
  // Brings every widget in line with its window now.
  void SyncNow();

 protected:
  bool event(QEvent* event) override;

 private:
  void ScheduleSync();
  void PumpWindowSystem();
  void ArmTimer(std::optional<platform::ui::Millis> due);
  void WatchInput(QWidget* part);

  WindowMirror mirror_;
  InputFilter filter_;
  ClipboardBridge clipboard_;
  // The next window timer due while no modal loop runs.
  QTimer timer_;
  // Ends a modal loop's wait when its next timer falls due.
  QTimer deadline_;
  std::atomic<bool> wakePosted_{false};
  bool syncPosted_ = false;
  int waiting_ = 0;
};

}  // namespace platform::qt
