// Timers run on the installed clock; a fake clock, advanced from the
// automation hook, makes their ticks exact without sleeping.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Clock.h"

namespace {

using namespace ui_test;
using platform::ui::Driver;
using platform::ui::FakeClock;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using platform::ui::ScopedClock;
using testing::ElementsAre;
using testing::ElementsAreArray;

struct Tick {
  platform::ui::Millis at;
  UINT_PTR id;
  bool operator==(const Tick&) const = default;
  friend void PrintTo(const Tick& t, std::ostream* os) { *os << "{" << t.at << " ms, timer " << t.id << "}"; }
};

class CTimerDlg : public CDialog {
 public:
  explicit CTimerDlg(const FakeClock& clock) : CDialog(kFormDialog), clock_(clock) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    SetTimer(1, 100);
    SetTimer(2, 250);
    return TRUE;
  }
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CTimerDlg>;
    static const MessageMap map(&CDialog::GetMessageMap(), {H::Timer(&CTimerDlg::OnTimer)});
    return map;
  }
  void OnTimer(UINT_PTR id) {
    ticks.push_back({clock_.Now(), id});
    if (id == 2 && ++slowTicks == 2) KillTimer(2);
  }
  std::vector<Tick> ticks;
  int slowTicks = 0;

 private:
  const FakeClock& clock_;
};

TEST(TimerTest, TicksComeAtTheirPeriodsOnAFakeClock) {
  TestResources resources;
  auto clock = std::make_shared<FakeClock>();
  ScopedClock installed(clock);
  CTimerDlg dialog(*clock);
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Idle) return;
    if (clock->Now() >= 700) return d.End(IDOK);
    clock->Advance(50);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  // Timer 2 is killed by its second tick; at 500 both are due and the one
  // set first comes first.
  EXPECT_THAT(dialog.ticks, ElementsAreArray(std::vector<Tick>{
                                {100, 1}, {200, 1}, {250, 2}, {300, 1}, {400, 1}, {500, 1}, {500, 2}, {600, 1}, {700, 1}}));
}

TEST(TimerTest, ALoopThatFellBehindGetsOneTickAndKeepsThePhase) {
  TestResources resources;
  auto clock = std::make_shared<FakeClock>();
  ScopedClock installed(clock);
  CTimerDlg dialog(*clock);
  int turns = 0;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Idle) return;
    dialog.KillTimer(2);
    if (++turns == 1) return clock->Advance(350);  // three periods of timer 1 pass unseen
    if (turns == 2) return clock->Advance(60);     // 410: past the 400 tick
    d.End(IDOK);
  });
  dialog.DoModal();
  EXPECT_THAT(dialog.ticks, ElementsAre(Tick{350, 1}, Tick{410, 1}));
}

TEST(TimerTest, WithAFakeClockAndNoOneToAdvanceItTheDialogCannotWaitForever) {
  TestResources resources;
  auto clock = std::make_shared<FakeClock>();
  ScopedClock installed(clock);
  CTimerDlg dialog(*clock);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(dialog.ticks.empty());
}

}  // namespace
