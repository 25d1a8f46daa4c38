#include "platform/qt/QtBackend.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <limits>

#include "platform/qt/PopupMenu.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Wnd.h"

namespace platform::qt {
namespace {

using platform::ui::Millis;

// Posted from any thread when the window system has work for this one.
const QEvent::Type kWakeEvent = static_cast<QEvent::Type>(QEvent::User + 1);
// Posted to this thread when windows changed, so that they are synced once.
const QEvent::Type kSyncEvent = static_cast<QEvent::Type>(QEvent::User + 2);

int MillisecondsUntil(Millis due) {
  const Millis left = due - platform::ui::CurrentClock().Now();
  return static_cast<int>(std::clamp<Millis>(left, 0, std::numeric_limits<int>::max()));
}

}  // namespace

QtBackend::QtBackend() : mirror_([this](QWidget* part) { WatchInput(part); }), filter_(mirror_) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { PumpWindowSystem(); });
  deadline_.setSingleShot(true);
  // Messages posted before the backend came are pumped on the first turn.
  Wake();
}

QtBackend::~QtBackend() = default;

// Windows hear the mouse move over them with no button down (a colour
// button lights up), so every part tracks it.
void QtBackend::WatchInput(QWidget* part) {
  part->setMouseTracking(true);
  part->installEventFilter(&filter_);
}

void QtBackend::Created(CWnd& window) {
  mirror_.Add(window);
  ScheduleSync();
}

void QtBackend::Changed(CWnd& window, platform::ui::WindowChange change) {
  if (change == platform::ui::WindowChange::Focus) mirror_.MarkFocusChanged();
  mirror_.MarkChanged(window);
  ScheduleSync();
}

void QtBackend::Destroyed(CWnd& window) { mirror_.Remove(window); }

void QtBackend::ScheduleSync() {
  if (std::exchange(syncPosted_, true)) return;
  QCoreApplication::postEvent(this, new QEvent(kSyncEvent));
}

QWidget* QtBackend::WidgetOf(const CWnd& window) const { return mirror_.WidgetOf(window); }

void QtBackend::SyncNow() {
  mirror_.SyncChanged();
  clipboard_.PublishToDesktop();
}

bool QtBackend::WaitForWork(std::optional<Millis> deadline) {
  SyncNow();
  if (deadline) deadline_.start(MillisecondsUntil(*deadline));
  ++waiting_;
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
  --waiting_;
  deadline_.stop();
  return true;
}

void QtBackend::Wake() {
  if (wakePosted_.exchange(true)) return;
  QCoreApplication::postEvent(this, new QEvent(kWakeEvent));
}

UINT QtBackend::TrackPopupMenu(CMenu& menu, CPoint screenPoint, CWnd*) {
  SyncNow();
  return ShowPopupMenu(menu, QPoint(screenPoint.x, screenPoint.y));
}

bool QtBackend::event(QEvent* event) {
  if (event->type() == kSyncEvent) {
    syncPosted_ = false;
    SyncNow();
    return true;
  }
  if (event->type() == kWakeEvent) {
    wakePosted_ = false;
    PumpWindowSystem();
    return true;
  }
  return QObject::event(event);
}

// A modal loop that is waiting drains the window system itself once this
// turn of Qt's loop returns to it.
void QtBackend::PumpWindowSystem() {
  if (waiting_ > 0) return;
  const std::optional<Millis> due = platform::ui::PumpMessages();
  SyncNow();
  ArmTimer(due);
}

void QtBackend::ArmTimer(std::optional<Millis> due) {
  if (!due || !platform::ui::CurrentClock().Runs()) {
    timer_.stop();
    return;
  }
  timer_.start(MillisecondsUntil(*due));
}

}  // namespace platform::qt
