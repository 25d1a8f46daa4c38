// Worker threads and posting across threads. Run under ThreadSanitizer.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

#include "TestDialogs.h"
#include "platform/ui/Automation.h"
#include "platform/ui/MessageQueue.h"

namespace {

using namespace ui_test;
using platform::ui::Driver;
using platform::ui::MessageQueue;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;

const UINT kPosted = WM_APP + 1;
const UINT UM_TEST_END = RegisterWindowMessage("UM_TEST_END-{5A7C21D4-3B0E-4D8F-9C11-2E6B7F40A9D3}");

// Posts `count` messages numbered 0.. to a window, tagged with its number.
class CPosterThread : public CWinThread {
 public:
  BOOL InitInstance() override { return TRUE; }
  int Run() override {
    for (int i = 0; i < count; ++i) ::PostMessage(target, kPosted, static_cast<WPARAM>(tag), i);
    return tag;
  }
  HWND target = nullptr;
  int tag = 0;
  int count = 0;
};

// Collects what arrives, per sender, and ends when all has arrived.
class CCollectorDlg : public CDialog {
 public:
  explicit CCollectorDlg(int expected) : CDialog(kFormDialog), expected_(expected) {}
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CCollectorDlg>;
    static const MessageMap map(&CDialog::GetMessageMap(), {
        H::Message(kPosted, &CCollectorDlg::OnPosted),
        H::Registered(UM_TEST_END, &CCollectorDlg::OnTestEnd),
    });
    return map;
  }
  LRESULT OnPosted(WPARAM tag, LPARAM sequence) {
    received[static_cast<int>(tag)].push_back(static_cast<int>(sequence));
    if (++total_ == expected_) EndDialog(IDOK);
    return 0;
  }
  LRESULT OnTestEnd(WPARAM code, LPARAM) {
    EndDialog(static_cast<int>(code));
    return 0;
  }
  std::map<int, std::vector<int>> received;

 private:
  int expected_;
  int total_ = 0;
};

TEST(ThreadTest, MessagesPostedFromSeveralThreadsAllArriveInOrderPerThread) {
  TestResources resources;
  constexpr int kThreads = 4;
  constexpr int kEach = 400;
  CCollectorDlg dialog(kThreads * kEach);
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    for (int t = 0; t < kThreads; ++t) {
      auto* poster = BeginThread<CPosterThread>(THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
      ASSERT_NE(poster, nullptr);
      poster->target = d.Dialog().m_hWnd;
      poster->tag = t;
      poster->count = kEach;
      poster->ResumeThread();
    }
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  MessageQueue::WaitForWorkers();
  std::vector<int> inOrder(kEach);
  for (int i = 0; i < kEach; ++i) inOrder[static_cast<std::size_t>(i)] = i;
  ASSERT_EQ(dialog.received.size(), static_cast<std::size_t>(kThreads));
  for (const auto& [tag, sequence] : dialog.received) EXPECT_EQ(sequence, inOrder) << "sender " << tag;
}

// The loading-dialog pattern: the worker posts a registered message as its
// last act and the dialog ends on it.
class CEndingThread : public CWinThread {
 public:
  ~CEndingThread() override { destroyed->store(true); }
  BOOL InitInstance() override { return TRUE; }
  int Run() override {
    owner->PostMessage(UM_TEST_END, IDOK, 0);
    return 7;
  }
  CWnd* owner = nullptr;
  std::atomic<bool>* destroyed = nullptr;
};

TEST(ThreadTest, AModalDialogEndsOnAMessagePostedByItsWorker) {
  TestResources resources;
  std::atomic<bool> destroyed{false};
  std::shared_ptr<const ThreadHandle> handle;
  CCollectorDlg dialog(-1);
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    auto* worker = BeginThread<CEndingThread>(THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    worker->owner = &d.Dialog();
    worker->destroyed = &destroyed;
    handle = worker->Handle();
    worker->ResumeThread();
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  handle->Wait();
  EXPECT_EQ(handle->ExitCode(), 7u);
  EXPECT_TRUE(destroyed.load()) << "the worker deletes itself when its run ends";
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
  std::vector<std::string> names;
  for (int i = 0; i < 40; ++i) names.push_back("UM_THREAD_TEST_" + std::to_string(i) + "-{6E1D}");
  constexpr int kThreads = 6;
  std::vector<std::vector<UINT>> seen(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      // Half the threads register in reverse order and in lower case.
      for (std::size_t k = 0; k < names.size(); ++k) {
        const std::size_t i = t % 2 ? names.size() - 1 - k : k;
        std::string name = names[i];
        if (t % 2)
          for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        seen[static_cast<std::size_t>(t)].push_back(RegisterWindowMessage(name));
      }
      if (t % 2) std::reverse(seen[static_cast<std::size_t>(t)].begin(), seen[static_cast<std::size_t>(t)].end());
    });
  for (std::thread& thread : threads) thread.join();
  for (int t = 1; t < kThreads; ++t) EXPECT_EQ(seen[static_cast<std::size_t>(t)], seen[0]) << "thread " << t;
  std::vector<UINT> sorted = seen[0];
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end()) << "different names, different numbers";
  EXPECT_GE(sorted.front(), 0xC000u);
  EXPECT_LE(sorted.back(), 0xFFFFu);
}

TEST(ThreadTest, PostingToAWindowThatIsGoneFailsQuietly) {
  HWND gone = nullptr;
  {
    CWnd window;
    window.Create("gone", WS_POPUP, CRect(), nullptr, 0);
    gone = window.m_hWnd;
  }
  std::thread poster([gone] { EXPECT_FALSE(::PostMessage(gone, kPosted, 0, 0)); });
  poster.join();
}

}  // namespace
