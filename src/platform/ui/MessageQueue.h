#pragma once
// The message queues of the process: one per thread that owns windows. A
// window handle is bound to the thread that created it; any thread may post
// to it, and the owning thread's message loop takes the posted messages in
// the order they were posted, then the timers that are due.

#include <cstdint>
#include <optional>

#include "platform/ui/Clock.h"
#include "platform/ui/WinTypes.h"

class CWnd;

namespace platform::ui {

class MessageQueue {
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
  static bool HasPosted();

  // Timers of the calling thread's windows. A timer fires once per period;
  // a loop that fell behind gets one tick and the timer keeps its phase.
  static void SetTimer(HWND hwnd, UINT_PTR id, UINT periodMs);
  static bool KillTimer(HWND hwnd, UINT_PTR id);
  static bool TakeDueTimer(Millis now, MSG& msg);
  static std::optional<Millis> NextTimerDue();

  // Blocks the calling thread until a message is posted to it, a worker
  // thread ends, or (when given) the deadline on the current clock passes.
  static void Wait(std::optional<Millis> deadline);

  // Counts everything that can change what a modal loop would do next:
  // posts, sent input and worker ends. A loop compares it across an idle
  // turn to tell whether the turn did anything.
  static std::uint64_t Activity();
  static void NoteActivity();

  // Worker threads alive in the process; a loop with live workers may
  // still be woken by them.
  static void WorkerStarted();
  static void WorkerEnded();
  static int LiveWorkers();
  // Blocks until no worker thread is alive (tests, the command-line host).
  static void WaitForWorkers();
};

}  // namespace platform::ui
