#pragma once
// The message queues of the process: one per thread that owns windows. A
// window handle is bound to the thread that created it; any thread may post
// to it, and the owning thread's message loop takes the posted messages in
// the order they were posted, then the timers that are due.
//
// A message sent from another thread is carried out on the window's own
// thread while the sender waits. The owning thread serves sent messages
// before posted ones, whenever it takes messages or waits here (its modal
// loop, WaitForWorkers, and its own sends to other threads, so that two
// threads sending to each other do not lock up). A send to a window that is
// destroyed, or whose thread ends, before it is served returns 0.

#include <cstdint>
#include <optional>

#include "frame/Api.h"
#include "platform/ui/Clock.h"
#include "platform/ui/WinTypes.h"

class CWnd;

namespace platform::ui {

class OVERLAYS_API MessageQueue {
 public:
  // Binds a new handle to the calling thread.
  static HWND Register(CWnd* window);
  // Drops the handle, its timers and its pending messages.
  static void Unregister(HWND hwnd);
  // Moves a handle to another object (subclassing a template control).
  static void Rebind(HWND hwnd, CWnd* window);
  // The window behind a handle of the calling thread, or null.
  static CWnd* Lookup(HWND hwnd);

  // Thread-safe; false when the handle is gone.
  static bool Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The next posted message of the calling thread.
  static bool TakePosted(MSG& msg);

  // Carries out a message on the thread that owns `hwnd`, which must not be
  // the calling thread, and returns its result; 0 when the window goes
  // first. Serves messages sent to the calling thread while it waits.
  static LRESULT SendAcross(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // True when `hwnd` is a window of the calling thread.
  static bool IsOwn(HWND hwnd);
  // Carries out the messages sent to the calling thread; false when there
  // were none.
  static bool ServeSent();

  // Timers of the calling thread's windows. A timer fires once per period;
  // a loop that fell behind gets one tick and the timer keeps its phase.
  static void SetTimer(HWND hwnd, UINT_PTR id, UINT periodMs);
  static bool KillTimer(HWND hwnd, UINT_PTR id);
  static bool TakeDueTimer(Millis now, MSG& msg);
  static std::optional<Millis> NextTimerDue();

  // What a message loop does when it has nothing in hand. Decides, in one
  // step with what it looks at, whether anything can still wake the loop:
  // false at once when nothing is posted or sent to the calling thread, no
  // worker thread is alive and there is no deadline. Otherwise blocks until
  // a message is posted or sent to it, a worker thread ends or posts
  // anywhere, or (when given) the deadline on the current clock passes, and
  // returns true.
  static bool WaitForWork(std::optional<Millis> deadline);

  // Counts everything that can change what a modal loop would do next:
  // posts, sent input and worker ends. A loop compares it across an idle
  // turn to tell whether the turn did anything.
  static std::uint64_t Activity();
  static void NoteActivity();

  // Worker threads alive in the process; a loop with live workers may
  // still be woken by them.
  static void WorkerStarted();
  static void WorkerEnded();
  // Blocks until no worker thread is alive (tests, the command-line host),
  // serving the messages the workers send meanwhile.
  static void WaitForWorkers();
};

}  // namespace platform::ui
