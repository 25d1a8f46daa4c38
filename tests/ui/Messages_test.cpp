// Message tables: derived classes before their bases, commands and
// notifications routed to the parent, a control's own notifications
// reflected to it first, registered messages by number.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ui/Backend.h"
#include "platform/ui/Clock.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Toolkit.h"

namespace {

using testing::ElementsAre;

const UINT UM_PING = RegisterWindowMessage("UM_PING-{0B7E5E0A-8F71-4C3B-A3C2-6F1D9B2E4A10}");
std::vector<std::string> calls;

class CBase : public CWnd {
 public:
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CBase>;
    static const MessageMap map(&CWnd::GetMessageMap(), {
        H::Message(WM_USER + 1, &CBase::OnOne),
        H::Message(WM_USER + 2, &CBase::OnTwo),
    });
    return map;
  }
  LRESULT OnOne(WPARAM, LPARAM) { return calls.push_back("base one"), 1; }
  LRESULT OnTwo(WPARAM, LPARAM) { return calls.push_back("base two"), 2; }
};

class CDerived : public CBase {
 public:
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CDerived>;
    static const MessageMap map(&CBase::GetMessageMap(), {
        H::Message(WM_USER + 1, &CDerived::OnOne),
        H::Registered(UM_PING, &CDerived::OnPing),
        H::Command(42, &CDerived::OnFortyTwo),
        H::CommandRange(50, 59, &CDerived::OnRange),
        H::Notify(NM_DBLCLK, 7, &CDerived::OnDoubleClick),
        H::Message(WM_CONTEXTMENU, &CDerived::OnContextMenu),
    });
    return map;
  }
  LRESULT OnOne(WPARAM, LPARAM) { return calls.push_back("derived one"), 10; }
  LRESULT OnPing(WPARAM w, LPARAM l) { return calls.push_back("ping"), static_cast<LRESULT>(w) + l; }
  void OnFortyTwo() { calls.push_back("command 42"); }
  void OnRange(UINT id) { calls.push_back("command " + std::to_string(id)); }
  void OnDoubleClick(NMHDR* header, LRESULT* result) {
    calls.push_back("double click from " + std::to_string(header->idFrom));
    *result = 5;
  }
  LRESULT OnContextMenu(WPARAM from, LPARAM) { return menuFrom = reinterpret_cast<HWND>(from), 0; }
  HWND menuFrom = nullptr;
};

// A button that handles its own click before its parent can.
class CSelfClickingButton : public CButton {
 public:
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CSelfClickingButton>;
    static const MessageMap map(&CButton::GetMessageMap(), {H::Reflect(BN_CLICKED, &CSelfClickingButton::OnClicked)});
    return map;
  }
  void OnClicked() { calls.push_back("button saw its own click"); }
};

class MessagesTest : public testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    window.Create("w", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0);
  }
  CDerived window;
};

TEST_F(MessagesTest, TheMostDerivedHandlerWinsAndBasesServeTheRest) {
  EXPECT_EQ(window.SendMessage(WM_USER + 1), 10);
  EXPECT_EQ(window.SendMessage(WM_USER + 2), 2);
  EXPECT_EQ(window.SendMessage(WM_USER + 3), 0) << "no handler: the default procedure";
  EXPECT_EQ(window.SendMessage(UM_PING, 3, 4), 7) << "registered messages are found by their number";
  EXPECT_THAT(calls, ElementsAre("derived one", "base two", "ping"));
}

TEST_F(MessagesTest, CommandsAndNotificationsReachTheParentByIdAndCode) {
  CButton button;
  button.Create("b", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &window, 42);
  button.SendMessage(BM_CLICK);
  window.SendMessage(WM_COMMAND, MAKEWPARAM(55, BN_CLICKED));
  window.SendMessage(WM_COMMAND, MAKEWPARAM(60, BN_CLICKED));  // outside the range: nobody
  window.SendMessage(WM_COMMAND, MAKEWPARAM(42, EN_CHANGE), reinterpret_cast<LPARAM>(button.m_hWnd));  // other code
  NMHDR header{nullptr, 7, NM_DBLCLK};
  EXPECT_EQ(window.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header)), 5);
  // A control's own notification handler comes first: 51 is in the parent's range.
  CSelfClickingButton own;
  own.Create("o", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &window, 51);
  own.SendMessage(BM_CLICK);
  EXPECT_THAT(calls, ElementsAre("command 42", "command 55", "double click from 7", "button saw its own click"));
  button.SendMessage(WM_RBUTTONUP);
  EXPECT_EQ(window.menuFrom, button.m_hWnd) << "a context-menu request climbs to the parent";
}

TEST_F(MessagesTest, PostedMessagesWaitForTheLoopAndGoToLiveWindowsOnly) {
  EXPECT_TRUE(window.PostMessage(WM_USER + 2));
  EXPECT_TRUE(calls.empty()) << "posting does not run the handler";
  MSG msg;
  ASSERT_TRUE(platform::ui::MessageQueue::TakePosted(msg));
  platform::ui::DispatchMessage(msg);
  EXPECT_THAT(calls, ElementsAre("base two"));
  window.PostMessage(WM_USER + 2);
  window.DestroyWindow();
  EXPECT_FALSE(platform::ui::MessageQueue::TakePosted(msg)) << "a destroyed window's messages are dropped";
}

// What a backend's event loop runs between modal loops.
TEST_F(MessagesTest, APumpDeliversWhatIsPostedAndDueAndTellsWhenTheNextTimerFalls) {
  auto clock = std::make_shared<platform::ui::FakeClock>(1000);
  platform::ui::ScopedClock installed{clock};
  window.PostMessage(WM_USER + 2);
  window.PostMessage(WM_USER + 1);
  window.SetTimer(7, 250);
  EXPECT_EQ(platform::ui::PumpMessages(), 1250);
  EXPECT_THAT(calls, ElementsAre("base two", "derived one"));
  clock->Advance(250);
  EXPECT_EQ(platform::ui::PumpMessages(), 1500) << "the tick taken, the next one due";
  window.KillTimer(7);
  EXPECT_EQ(platform::ui::PumpMessages(), std::nullopt);
}

}  // namespace
