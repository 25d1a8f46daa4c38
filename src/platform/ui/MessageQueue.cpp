#include "platform/ui/MessageQueue.h"

#include "platform/ui/Backend.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/Wnd.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace platform::ui {
namespace {

struct Timer {
  HWND hwnd;
  UINT_PTR id;
  Millis period;
  Millis due;
};

// A cross-thread send, on its sender's stack until it is answered or
// dropped.
struct SentCall {
  MSG msg;
  LRESULT result = 0;
  bool settled = false;
};

struct ThreadQueue {
  std::deque<SentCall*> sent;
  std::deque<MSG> posted;
  std::vector<Timer> timers;
};

struct WindowEntry {
  CWnd* window;
  std::thread::id owner;
};

// One lock for the whole system: posting is rare and short, and a single
// condition variable lets a worker's end wake every waiting loop.
struct System {
  std::mutex mutex;
  std::condition_variable wake;
  std::unordered_map<HWND, WindowEntry> windows;
  std::map<std::thread::id, ThreadQueue> queues;
  std::uintptr_t nextHandle = 0x100;
  std::uint64_t activity = 0;
  int liveWorkers = 0;
};

// Never destroyed: a detached worker may still be leaving it while the
// process exits.
System& TheSystem() {
  static System* system = new System;
  return *system;
}

// Settles a call the window's thread will not carry out; its sender
// returns 0.
void Drop(System& system, SentCall* call) {
  call->settled = true;
  system.wake.notify_all();
}

// A thread's windows, queue and pending sends go with it: its senders must
// not wait for it, and a later thread may be given the same id.
struct Presence {
  ~Presence() {
    System& system = TheSystem();
    std::lock_guard lock(system.mutex);
    const auto self = std::this_thread::get_id();
    if (auto queue = system.queues.find(self); queue != system.queues.end()) {
      for (SentCall* call : queue->second.sent) Drop(system, call);
      system.queues.erase(queue);
    }
    std::erase_if(system.windows, [self](const auto& entry) { return entry.second.owner == self; });
  }
};

// Called by every thread that makes windows or takes messages.
void NotePresence() { thread_local Presence presence; }

ThreadQueue& OwnQueue(System& system) {
  NotePresence();
  return system.queues[std::this_thread::get_id()];
}

bool Pending(const ThreadQueue& queue) { return !queue.sent.empty() || !queue.posted.empty(); }

// With the lock held on entry and on return; released while a handler runs.
bool ServeSentLocked(System& system, std::unique_lock<std::mutex>& lock) {
  ThreadQueue& queue = OwnQueue(system);
  bool served = false;
  while (!queue.sent.empty()) {
    SentCall* call = queue.sent.front();
    queue.sent.pop_front();
    lock.unlock();
    const LRESULT result = DispatchMessage(call->msg);
    lock.lock();
    call->result = result;
    call->settled = true;
    system.wake.notify_all();
    served = true;
  }
  return served;
}

}  // namespace

HWND MessageQueue::Register(CWnd* window) {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  NotePresence();
  HWND hwnd = reinterpret_cast<HWND>(system.nextHandle);
  system.nextHandle += 4;
  system.windows.emplace(hwnd, WindowEntry{window, std::this_thread::get_id()});
  return hwnd;
}

void MessageQueue::Unregister(HWND hwnd) {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  auto it = system.windows.find(hwnd);
  if (it == system.windows.end()) return;
  ThreadQueue& queue = system.queues[it->second.owner];
  // Settled before they leave the queue; their senders need the lock to
  // see it, so none can return early.
  for (SentCall* call : queue.sent)
    if (call->msg.hwnd == hwnd) Drop(system, call);
  std::erase_if(queue.sent, [hwnd](const SentCall* call) { return call->msg.hwnd == hwnd; });
  std::erase_if(queue.posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
  std::erase_if(queue.timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
  system.windows.erase(it);
}

void MessageQueue::Rebind(HWND hwnd, CWnd* window) {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  auto it = system.windows.find(hwnd);
  if (it != system.windows.end()) it->second.window = window;
}

CWnd* MessageQueue::Lookup(HWND hwnd) {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  auto it = system.windows.find(hwnd);
  if (it == system.windows.end() || it->second.owner != std::this_thread::get_id()) return nullptr;
  return it->second.window;
}

bool MessageQueue::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  System& system = TheSystem();
  {
    std::lock_guard lock(system.mutex);
    auto it = system.windows.find(hwnd);
    if (it == system.windows.end()) return false;
    system.queues[it->second.owner].posted.push_back(MSG{hwnd, message, wParam, lParam});
    ++system.activity;
  }
  system.wake.notify_all();
  WakeBackend();
  return true;
}

bool MessageQueue::TakePosted(MSG& msg) {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  ThreadQueue& queue = OwnQueue(system);
  if (queue.posted.empty()) return false;
  msg = queue.posted.front();
  queue.posted.pop_front();
  return true;
}

bool MessageQueue::IsOwn(HWND hwnd) {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  auto it = system.windows.find(hwnd);
  return it != system.windows.end() && it->second.owner == std::this_thread::get_id();
}

LRESULT MessageQueue::SendAcross(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  System& system = TheSystem();
  std::unique_lock lock(system.mutex);
  auto it = system.windows.find(hwnd);
  if (it == system.windows.end() || it->second.owner == std::this_thread::get_id()) return 0;
  SentCall call{MSG{hwnd, message, wParam, lParam}};
  system.queues[it->second.owner].sent.push_back(&call);
  ++system.activity;
  system.wake.notify_all();
  WakeBackend();
  while (!call.settled)
    if (!ServeSentLocked(system, lock)) system.wake.wait(lock);
  return call.result;
}

bool MessageQueue::ServeSent() {
  System& system = TheSystem();
  std::unique_lock lock(system.mutex);
  return ServeSentLocked(system, lock);
}

void MessageQueue::SetTimer(HWND hwnd, UINT_PTR id, UINT periodMs) {
  // A zero period would fire on every turn; the platform raises it to its
  // smallest resolution.
  const Millis period = std::max<Millis>(periodMs, 10);
  const Millis now = CurrentClock().Now();
  System& system = TheSystem();
  {
    std::lock_guard lock(system.mutex);
    auto& timers = OwnQueue(system).timers;
    std::erase_if(timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    timers.push_back(Timer{hwnd, id, period, now + period});
  }
  // A backend's own loop waits for the timers it knows of; it learns of
  // this one on the wake.
  WakeBackend();
}

bool MessageQueue::KillTimer(HWND hwnd, UINT_PTR id) {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  return std::erase_if(OwnQueue(system).timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

bool MessageQueue::TakeDueTimer(Millis now, MSG& msg) {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  auto& timers = OwnQueue(system).timers;
  // The earliest due first; equal deadlines in the order the timers were set.
  auto due = timers.end();
  for (auto it = timers.begin(); it != timers.end(); ++it)
    if (it->due <= now && (due == timers.end() || it->due < due->due)) due = it;
  if (due == timers.end()) return false;
  msg = MSG{due->hwnd, WM_TIMER, due->id, 0};
  due->due += due->period;
  if (due->due <= now) due->due += ((now - due->due) / due->period + 1) * due->period;
  return true;
}

std::optional<Millis> MessageQueue::NextTimerDue() {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  std::optional<Millis> next;
  for (const Timer& t : OwnQueue(system).timers)
    if (!next || t.due < *next) next = t.due;
  return next;
}

bool MessageQueue::WaitForWork(std::optional<Millis> deadline) {
  System& system = TheSystem();
  std::unique_lock lock(system.mutex);
  const ThreadQueue& queue = OwnQueue(system);
  if (Pending(queue)) return true;
  // Decided under the same lock as the look at the queue: a worker that
  // posts and then ends cannot slip its message in between.
  if (system.liveWorkers == 0 && !deadline) return false;
  const std::uint64_t seen = system.activity;
  auto woken = [&] { return system.activity != seen || Pending(queue); };
  if (!deadline) {
    system.wake.wait(lock, woken);
    return true;
  }
  const Millis left = *deadline - CurrentClock().Now();
  if (left > 0) system.wake.wait_for(lock, std::chrono::milliseconds(left), woken);
  return true;
}

std::uint64_t MessageQueue::Activity() {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  return system.activity;
}

void MessageQueue::NoteActivity() {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  ++system.activity;
}

void MessageQueue::WorkerStarted() {
  System& system = TheSystem();
  std::lock_guard lock(system.mutex);
  ++system.liveWorkers;
}

void MessageQueue::WorkerEnded() {
  System& system = TheSystem();
  // Notified under the lock: a waiter for the last worker may end the
  // process as soon as it can see the count.
  std::lock_guard lock(system.mutex);
  --system.liveWorkers;
  ++system.activity;
  system.wake.notify_all();
  WakeBackend();
}

void MessageQueue::WaitForWorkers() {
  System& system = TheSystem();
  std::unique_lock lock(system.mutex);
  while (system.liveWorkers > 0)
    if (!ServeSentLocked(system, lock)) system.wake.wait(lock);
}

}  // namespace platform::ui
