// The window system's messages and timers run inside Qt's event loop:
// a message a worker thread posts, or a timer falling due, is handled on
// the dialogs' thread whether a modal loop waits or Qt's own loop runs.

#include <QTest>

#include <atomic>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Toolkit.h"
#include "ui/TestDialogs.h"

namespace {

using desktop_test::DesktopSession;
using platform::ui::Driver;
using namespace ui_test;

constexpr UINT kWorkDone = WM_APP + 7;
constexpr UINT_PTR kTimer = 1;
constexpr int kWaitMs = 5000;

// Counts what reached it on its own thread; a modal one ends on the first.
class CWakeDlg : public CDialog {
 public:
  CWakeDlg() : CDialog(kFormDialog) {}
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CWakeDlg>;
    static const MessageMap map(&CDialog::GetMessageMap(), {
        H::Message(kWorkDone, &CWakeDlg::OnWorkDone),
        H::Timer(&CWakeDlg::OnTimer),
    });
    return map;
  }
  void OnWorkDone() { Arrived(IDOK); }
  void OnTimer(UINT_PTR) {
    KillTimer(kTimer);
    Arrived(IDRETRY);
  }
  void Arrived(int result) {
    onOwnThread = std::this_thread::get_id() == thread;
    ++arrivals;
    if (IsModal()) EndDialog(result);
  }
  std::thread::id thread = std::this_thread::get_id();
  std::atomic<int> arrivals = 0;
  bool onOwnThread = false;
};

struct Source {
  const char* what;
  std::function<std::thread(CWakeDlg&)> start;  // returns a thread to join, or none
  int modalResult;
};

const Source kSources[] = {
    {"a message a worker posts",
     [](CWakeDlg& d) {
       const HWND handle = d.m_hWnd;
       return std::thread([handle] { ::PostMessage(handle, kWorkDone); });
     },
     IDOK},
    {"a timer falling due",
     [](CWakeDlg& d) {
       d.SetTimer(kTimer, 20);
       return std::thread();
     },
     IDRETRY},
};

class DesktopLoop : public testing::Test {
 protected:
  TestResources resources;
  DesktopSession session;
};

TEST_F(DesktopLoop, WorkArrivesInQtsOwnLoop) {
  for (const Source& source : kSources) {
    SCOPED_TRACE(source.what);
    CWakeDlg dialog;
    ASSERT_TRUE(dialog.Create(kFormDialog));
    std::thread worker = source.start(dialog);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.arrivals > 0; }, kWaitMs));
    if (worker.joinable()) worker.join();
    EXPECT_TRUE(dialog.onOwnThread);
    dialog.DestroyWindow();
  }
}

TEST_F(DesktopLoop, WorkWakesAModalLoopWaitingInQt) {
  for (const Source& source : kSources) {
    SCOPED_TRACE(source.what);
    CWakeDlg dialog;
    std::thread worker;
    EXPECT_EQ(session.RunModal(dialog, [&](Driver&) { worker = source.start(dialog); }), source.modalResult);
    if (worker.joinable()) worker.join();
    EXPECT_TRUE(dialog.onOwnThread);
  }
}

}  // namespace
