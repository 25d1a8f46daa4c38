#pragma once
// The seam between the window system and a backend that gives its windows
// pixels. The window system stays the single source of truth: a backend
// hears of every window that is created, changed or destroyed and mirrors
// it; it feeds a user's input back as the key, character and mouse
// messages of Input.h; it asks owner-drawn controls to paint into a
// recording CDC and replays what they drew; and it pumps its own events
// while a modal loop of the window system waits. Without a backend the
// window system is headless, as the tests and the command-line host use it.
//
// A backend serves the thread that installed it (the thread that owns the
// dialogs); windows of other threads are not shown, and their changes are
// not reported.

#include <optional>

#include "frame/Api.h"
#include "platform/ui/Clock.h"
#include "platform/ui/WinConstants.h"

class CDC;
class CMenu;
class CWnd;

namespace platform::ui {

// What changed about a window. State is anything else a window shows: a
// control's own content (an edit's text and selection, a list's rows, a
// progress position, a check mark, colours) or a request to paint it again;
// every such change invalidates the window.
enum class WindowChange { Text, Style, Visibility, Enabled, Rect, Font, Focus, State };

class OVERLAYS_API Backend {
 public:
  virtual ~Backend();

  // A window exists, with its parent, id, kind, text, style and rectangle
  // already set (a dialog's controls are reported after the dialog).
  virtual void Created(CWnd& window) = 0;
  virtual void Changed(CWnd& window, WindowChange change) = 0;
  // Called before the window's handle goes; its children were reported
  // first.
  virtual void Destroyed(CWnd& window) = 0;

  // A modal loop of the backend's thread has nothing in hand. Pumps the
  // backend's own events until something may have happened (input was
  // delivered, a message was posted or sent to this thread, a worker
  // ended) or the deadline on the current clock passes. False only when
  // nothing can ever wake the loop again.
  virtual bool WaitForWork(std::optional<Millis> deadline) = 0;
  // From any thread, possibly with the window system's own lock held (so
  // it must not call back into it): a message was posted or sent, or a
  // worker thread ended. Wakes WaitForWork, or lets the backend's own event loop pump
  // the window system (PumpMessages) when no modal loop is running.
  virtual void Wake() = 0;

  // Shows a popup menu at a point on the screen; the chosen item's id, 0
  // when the user chose nothing.
  virtual UINT TrackPopupMenu(CMenu& menu, CPoint screenPoint, CWnd* owner) = 0;
};

// Installs the backend of the calling thread's windows (one in the
// process); null goes back to headless. Returns the previous one.
OVERLAYS_API Backend* InstallBackend(Backend* backend);
// The backend when the calling thread is the one it serves, else null.
OVERLAYS_API Backend* CurrentBackend();

class ScopedBackend {
 public:
  explicit ScopedBackend(Backend& backend) : previous_(InstallBackend(&backend)) {}
  ~ScopedBackend() { InstallBackend(previous_); }
  ScopedBackend(const ScopedBackend&) = delete;
  ScopedBackend& operator=(const ScopedBackend&) = delete;

 private:
  Backend* previous_;
};

// What the window system's own event loop does when no modal loop runs:
// serves messages sent from other threads, dispatches the posted messages
// and the timers that are due. Returns when the queue is empty, with the
// time the next timer falls due, if any, for the backend to wake then.
OVERLAYS_API std::optional<Millis> PumpMessages();

// Painting. The window paints what it draws itself into `dc` (WM_PAINT,
// with the drawing context as wParam as WM_PRINTCLIENT carries it): an
// owner-drawn button its face, an owner-drawn header its captions. False
// when it drew nothing, and the backend's own look of the control stands.
OVERLAYS_API bool PaintWindow(CWnd& window, CDC& dc);
// The owner of an owner-drawn control draws one item of it (WM_DRAWITEM
// to the parent, which reflects it to the control): a button's face
// (item 0) or a header's caption `item`, within `rect`, in the ODS_* state.
// False when nothing was drawn.
OVERLAYS_API bool DrawOwnerItem(CWnd& control, UINT item, const CRect& rect, UINT state, CDC& dc);

// Window-system side: the calls that reach the installed backend, each a
// no-op when none serves the calling thread. Wake may come from any thread.
void NotifyCreated(CWnd& window);
void NotifyChanged(CWnd& window, WindowChange change);
void NotifyDestroyed(CWnd& window);
void WakeBackend();

}  // namespace platform::ui
