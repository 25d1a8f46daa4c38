// Worker threads and posting across threads. Run under ThreadSanitizer.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <numeric>
#include <random>
#include <set>
#include <thread>
#include <type_traits>

#include "TestDialogs.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Backend.h"
#include "platform/ui/MessageQueue.h"

namespace {

using namespace ui_test;
using platform::ui::Driver;
using platform::ui::MessageQueue;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using testing::ElementsAre;

const UINT kPosted = WM_APP + 1;

// Busy rather than asleep: a sleep is far coarser than the windows the
// thread tests aim at.
void SpinFor(std::chrono::microseconds span) {
  const auto until = std::chrono::steady_clock::now() + span;
  while (std::chrono::steady_clock::now() < until) {
  }
}

// A worker whose run is a function; it notes when its object goes.
class CFunctionThread : public CWinThread {
 public:
  ~CFunctionThread() override {
    if (deleted) *deleted = true;
  }
  BOOL InitInstance() override { return TRUE; }
  int Run() override { return run(); }
  std::function<int()> run;
  std::atomic<bool>* deleted = nullptr;
};

// Made suspended, as the module makes its workers; the caller resumes it.
CFunctionThread* Suspended(std::function<int()> run, std::atomic<bool>* deleted = nullptr) {
  auto* worker = BeginThread<CFunctionThread>(THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  worker->run = std::move(run);
  worker->deleted = deleted;
  return worker;
}

const UINT kSent = WM_APP + 2;
const UINT kSentBack = WM_APP + 3;

// A window or dialog that records what it handles, in order, and what each
// sender posted; a dialog ends on the `endAfter`th post. Only the thread
// that made the window may carry out its messages, so any other is noted.
template <class Base>
class CRecording : public Base {
 public:
  using Base::Base;
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CRecording>;
    static const MessageMap map(&Base::GetMessageMap(), {
        H::Message(kSent, &CRecording::OnSent),
        H::Message(kSentBack, &CRecording::OnSentBack),
        H::Message(kPosted, &CRecording::OnPosted),
    });
    return map;
  }
  LRESULT OnSent(WPARAM value, LPARAM replyTo) {
    Note("sent");
    // A handler may send back to the thread that waits for it.
    return static_cast<LRESULT>(value) * 2 + (replyTo ? ::SendMessage(reinterpret_cast<HWND>(replyTo), kSentBack) : 0);
  }
  LRESULT OnSentBack(WPARAM, LPARAM) { return Note("sent back"), 1; }
  LRESULT OnPosted(WPARAM tag, LPARAM sequence) {
    Note("posted");
    received[static_cast<int>(tag)].push_back(static_cast<int>(sequence));
    if constexpr (std::is_base_of_v<CDialog, Base>) {
      if (++posts_ == endAfter) this->EndDialog(IDOK);
    }
    return 0;
  }
  void Note(const std::string& what) {
    handled.push_back(std::this_thread::get_id() == home_ ? what : what + " on a foreign thread");
  }
  std::vector<std::string> handled;
  std::map<int, std::vector<int>> received;
  int endAfter = 1;

 private:
  const std::thread::id home_ = std::this_thread::get_id();
  int posts_ = 0;
};

// Workers that each post `each` messages numbered 0.., tagged with the
// worker's own number, `spacing` apart.
void StartPosters(HWND target, int threads, int each, std::chrono::microseconds spacing) {
  for (int t = 0; t < threads; ++t)
    Suspended([=] {
      for (int i = 0; i < each; ++i) {
        SpinFor(spacing);
        ::PostMessage(target, kPosted, static_cast<WPARAM>(t), i);
      }
      return t;
    })->ResumeThread();
}

TEST(ThreadTest, MessagesPostedFromSeveralThreadsAllArriveInOrderPerThread) {
  TestResources resources;
  constexpr int kThreads = 4;
  constexpr int kEach = 400;
  CRecording<CDialog> dialog(kFormDialog);
  dialog.endAfter = kThreads * kEach;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    StartPosters(d.Dialog().m_hWnd, kThreads, kEach, {});
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  MessageQueue::WaitForWorkers();
  std::vector<int> inOrder(kEach);
  std::iota(inOrder.begin(), inOrder.end(), 0);
  ASSERT_EQ(dialog.received.size(), static_cast<std::size_t>(kThreads));
  for (const auto& [tag, sequence] : dialog.received) EXPECT_EQ(sequence, inOrder) << "sender " << tag;
}

// A backend's own event loop sleeps until the window system wakes it, as a
// pixel backend's does; a post that did not wake it would hang the dialog.
class SleepingBackend final : public platform::ui::Backend {
 public:
  void Created(CWnd&) override {}
  void Changed(CWnd&, platform::ui::WindowChange) override {}
  void Destroyed(CWnd&) override {}
  bool WaitForWork(std::optional<platform::ui::Millis>) override {
    if (auto act = std::exchange(onFirstSleep, {})) act();
    std::unique_lock lock(mutex_);
    woken_.wait(lock, [&] { return wake_; });
    wake_ = false;
    return true;
  }
  void Wake() override {
    std::lock_guard lock(mutex_);
    wake_ = true;
    woken_.notify_one();
  }
  UINT TrackPopupMenu(CMenu&, CPoint, CWnd*) override { return 0; }
  // Runs as the loop first goes to sleep.
  std::function<void()> onFirstSleep;

 private:
  std::mutex mutex_;
  std::condition_variable woken_;
  bool wake_ = false;
};

TEST(ThreadTest, WorkersPostingToAModalDialogWakeTheBackendsLoop) {
  TestResources resources;
  SleepingBackend backend;
  platform::ui::ScopedBackend installed(backend);
  constexpr int kThreads = 3;
  constexpr int kEach = 200;
  CRecording<CDialog> dialog(kFormDialog);
  dialog.endAfter = kThreads * kEach;
  // The posts start once the loop sleeps, so that the first of them, at
  // least, has to wake it; a lost wake hangs the dialog.
  backend.onFirstSleep = [&] { StartPosters(dialog.m_hWnd, kThreads, kEach, std::chrono::microseconds(20)); };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  MessageQueue::WaitForWorkers();
  EXPECT_EQ(dialog.received.size(), static_cast<std::size_t>(kThreads));
}

// The scheduler may hold the loop thread up at any point; a clock that
// dawdles whenever the loop asks it whether time runs (just as the loop
// decides whether anything can still wake it) stands in for that.
class DawdlingClock final : public platform::ui::Clock {
 public:
  platform::ui::Millis Now() const override { return system_.Now(); }
  bool Runs() const override {
    thread_local std::minstd_rand random(1);
    SpinFor(std::chrono::microseconds(random() % 200));
    return true;
  }

 private:
  platform::ui::SystemClock system_;
};

// The loading-dialog pattern: a worker that posts its end message as its
// last act, and ends, while the loop is deciding whether to wait: the
// message must still end the dialog, and a worker that ends without one
// must leave it to end with Cancel rather than hang. The worker keeps its
// exit code and deletes itself either way.
TEST(ThreadTest, TheLoopNeverLosesAWorkersLastMessage) {
  TestResources resources;
  platform::ui::ScopedClock clock(std::make_shared<DawdlingClock>());
  std::minstd_rand random(7);
  constexpr int kRounds = 400;
  for (const bool posts : {true, false}) {
    int wrong = 0;
    for (int round = 0; round < kRounds; ++round) {
      std::atomic<bool> destroyed{false};
      CWinThread* worker = nullptr;
      std::shared_ptr<const ThreadHandle> handle;
      CRecording<CDialog> dialog(kFormDialog);
      // Released on the idle turn, just before the loop looks for work.
      ScopedAutomation automation([&](Driver& d) {
        if (d.Turn() == ModalTurn::Started) {
          const auto work = [owner = &d.Dialog(), posts, delay = std::chrono::microseconds(random() % 100)] {
            SpinFor(delay);
            if (posts) owner->PostMessage(kPosted, 0, 0);
            return 7;
          };
          worker = Suspended(work, &destroyed);
          handle = worker->Handle();
        } else if (d.Turn() == ModalTurn::Idle && worker) {
          std::exchange(worker, nullptr)->ResumeThread();
        }
      });
      const int result = dialog.DoModal();
      MessageQueue::WaitForWorkers();
      if (result != (posts ? IDOK : IDCANCEL) || handle->ExitCode() != 7 || !destroyed) ++wrong;
    }
    EXPECT_EQ(wrong, 0) << "rounds of " << kRounds << " that ended wrongly, worker posts: " << posts;
  }
}

class CRefusingThread : public CWinThread {
 public:
  BOOL InitInstance() override { return FALSE; }
  int Run() override { return 1; }
  int ExitInstance() override { return 3; }
};

TEST(ThreadTest, AThreadThatRefusesToStartEndsWithItsExitInstanceCode) {
  auto* worker = BeginThread<CRefusingThread>(THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  auto handle = worker->Handle();
  EXPECT_EQ(handle->ExitCode(), STILL_ACTIVE) << "suspended, it has not run";
  worker->ResumeThread();
  handle->Wait();
  EXPECT_EQ(handle->ExitCode(), 3u);
}

TEST(ThreadTest, RegisteredNumbersAreTheSameInEveryThreadAndForEveryCase) {
  constexpr std::size_t kNames = 40, kThreads = 6;
  std::vector<std::vector<UINT>> seen(kThreads, std::vector<UINT>(kNames));
  std::vector<std::thread> threads;
  // Each starts at another name, so that they meet on new ones; half of them
  // spell the names in lower case.
  for (std::size_t t = 0; t < kThreads; ++t)
    threads.emplace_back([&seen, t] {
      for (std::size_t k = 0; k < kNames; ++k) {
        const std::size_t i = (k + 7 * t) % kNames;
        seen[t][i] = RegisterWindowMessage((t % 2 ? "um_thread_test_" : "UM_THREAD_TEST_") + std::to_string(i));
      }
    });
  for (std::thread& thread : threads) thread.join();
  for (std::size_t t = 1; t < kThreads; ++t) EXPECT_EQ(seen[t], seen[0]) << "thread " << t;
  const std::set<UINT> distinct(seen[0].begin(), seen[0].end());
  EXPECT_EQ(distinct.size(), kNames) << "different names, different numbers";
  EXPECT_GE(*distinct.begin(), 0xC000u);
  EXPECT_LE(*distinct.rbegin(), 0xFFFFu);
}

// Sending across threads. The window's own thread carries the message out,
// sent messages before posted ones, while the sender waits for the result.

// Waits until the process has seen `count` more posts, sends or worker
// ends than when `since` was read.
void AwaitActivity(std::uint64_t since, std::uint64_t count) {
  while (MessageQueue::Activity() < since + count) std::this_thread::yield();
}

struct SendRow {
  bool postFirst, ownWindow, cancelFirst;
  int modalResult;
  LRESULT sendResult;
  std::vector<std::string> onDialog, onWorker;
};

// Opens a dialog whose first turn starts a sender and, before the loop goes
// on, waits until the sender's post and send are queued; then checks.
void RunSender(const SendRow& row) {
  TestResources resources;
  CRecording<CDialog> dialog(kFormDialog);
  std::atomic<LRESULT> result{-1};
  std::vector<std::string> onWorker;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    CFunctionThread* sender = Suspended([&, target = d.Dialog().m_hWnd] {
      CRecording<CWnd> own;
      if (row.ownWindow) own.Create("worker's", WS_POPUP, CRect(), nullptr, 0);
      if (row.postFirst) ::PostMessage(target, kPosted, 0, 0);
      result = ::SendMessage(target, kSent, 21, reinterpret_cast<LPARAM>(own.m_hWnd));
      onWorker = own.handled;
      return 0;
    });
    const std::uint64_t before = MessageQueue::Activity();
    sender->ResumeThread();
    AwaitActivity(before, row.postFirst ? 2 : 1);
    if (row.cancelFirst) d.End(IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), row.modalResult);
  MessageQueue::WaitForWorkers();
  EXPECT_EQ(result, row.sendResult);
  EXPECT_EQ(dialog.handled, row.onDialog);
  EXPECT_EQ(onWorker, row.onWorker);
}

TEST(CrossThreadSend, TheWindowsThreadHandlesItAndTheSenderGetsTheResult) {
  const SendRow rows[] = {
      // Posted first, but the sent message goes first.
      {true, false, false, IDOK, 42, {"sent", "posted"}, {}},
      // 21 doubled, and 1 from the worker's own window, served while it waited.
      {false, true, false, IDCANCEL, 43, {"sent"}, {"sent back"}},
      // The window is destroyed before the send's turn.
      {false, false, true, IDCANCEL, 0, {}, {}},
  };
  for (const SendRow& row : rows) {
    SCOPED_TRACE(testing::Message() << "post first " << row.postFirst << ", own window " << row.ownWindow);
    RunSender(row);
  }
}

// Without a modal loop: the thread that waits for its workers serves what
// they send meanwhile, or it would wait for them for ever.
TEST(CrossThreadSend, WaitingForWorkersServesTheirSends) {
  CRecording<CWnd> window;
  window.Create("waiting", WS_POPUP, CRect(), nullptr, 0);
  std::atomic<LRESULT> result{-1};
  Suspended([&, target = window.m_hWnd] { return static_cast<int>(result = ::SendMessage(target, kSent, 21)); })
      ->ResumeThread();
  MessageQueue::WaitForWorkers();
  EXPECT_EQ(result, 42);
  EXPECT_THAT(window.handled, ElementsAre("sent"));
}

TEST(CrossThreadSend, ASendToAWindowWhoseThreadEndsReturnsZero) {
  HWND window = nullptr;
  std::atomic<bool> created{false};
  // Its thread ends without destroying it; the object goes at the end.
  auto orphan = std::make_unique<CRecording<CWnd>>();
  std::thread owner([&] {
    orphan->Create("orphan", WS_POPUP, CRect(), nullptr, 0);
    window = orphan->m_hWnd;
    const std::uint64_t before = MessageQueue::Activity();
    created = true;
    AwaitActivity(before, 1);
  });
  while (!created) std::this_thread::yield();
  EXPECT_EQ(::SendMessage(window, kSent, 21, 0), 0) << "pending when the thread ended";
  owner.join();
  EXPECT_EQ(::SendMessage(window, kSent, 21, 0), 0) << "sent after it ended";
  EXPECT_FALSE(::PostMessage(window, kPosted, 0, 0));
}

}  // namespace
