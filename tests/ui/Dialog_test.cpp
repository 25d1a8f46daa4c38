// Modal dialogs built from templates, worked through the automation hook
// or a backend under them, and the timers their loop runs.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Clock.h"
#include "platform/ui/InvariantChecker.h"

namespace {

using namespace ui_test;
using platform::ui::Driver;
using platform::ui::FakeClock;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using platform::ui::ScopedClock;
using platform::ui::WindowChange;
using testing::ElementsAre;
using testing::IsEmpty;

// The form, counting the changes and double-clicks it is told of, and
// keeping the kind chosen at OK too.
class CFormDlg : public CFormFieldsDlg {
 public:
  void OnOK() override {
    kindAtEnd = kinds.GetCurSel() >= 0 ? kinds.GetLBText(kinds.GetCurSel()) : "";
    CFormFieldsDlg::OnOK();
  }
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CFormDlg>;
    static const MessageMap map(&CFormFieldsDlg::GetMessageMap(), {
        H::Control(CBN_SELCHANGE, kKindCombo, &CFormDlg::OnKindChanged),
        H::Control(EN_CHANGE, kNameEdit, &CFormDlg::OnNameChanged),
        H::Control(LBN_DBLCLK, kRowsList, &CFormDlg::OnRowOpened),
    });
    return map;
  }
  void OnKindChanged() { ++kindChanges; }
  void OnNameChanged() { ++nameChanges; }
  void OnRowOpened() { opened = rows.GetText(rows.GetCurSel()); }

  std::string kindAtEnd, opened;
  int kindChanges = 0, nameChanges = 0;
};

class DialogTest : public testing::Test {
 protected:
  TestResources resources;
  platform::ui::InvariantChecker checker;
};

// Tab walks the tab stops and Escape cancels.
TEST_F(DialogTest, TemplateControlsAreBuiltAndSubclassed) {
  CFormDlg dialog;
  std::vector<int> focus;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    // A sorted drop-down list orders its entries whatever the order added.
    EXPECT_THAT(d.Rows(kKindCombo), ElementsAre("Buoy", "Obstruction", "Wreck"));
    // 50,7 and 100x12 dialog units at 6x13 pixels per 4x8 units.
    CRect editRect;
    d.Item(kNameEdit).GetWindowRect(&editRect);
    EXPECT_EQ(editRect, CRect(75, 11, 225, 31));
    const CBitmap* picture = d.ItemAs<CStatic>(kPicture).GetBitmap();
    EXPECT_EQ(picture ? picture->GetSize() : CSize(), CSize(4, 2)) << "the picture's bitmap, loaded from the chain";
    EXPECT_EQ(&d.Item(kNameEdit), &dialog.name) << "the member object took the template's place";
    focus.push_back(d.FocusId());
    for (const bool back : {false, false, false, false, false, false, true}) {
      d.KeyToFocus(VK_TAB, {.shift = back});
      focus.push_back(d.FocusId());
    }
    d.KeyToFocus(VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_THAT(focus, ElementsAre(kNameEdit, kKindCombo, kRowsList, kShowCheck, IDOK, IDCANCEL, kNameEdit, IDCANCEL));
  EXPECT_FALSE(dialog.IsWindow()) << "DoModal destroys the window it made";
  EXPECT_THAT(checker.Problems(), IsEmpty());
}

// Disabled controls ignore the user; hidden ones cannot be reached.
TEST_F(DialogTest, UserFillsTheFormAndPressesEnter) {
  CFormDlg dialog;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    d.Type(kNameEdit, "St Mary");
    d.Key(kNameEdit, VK_BACK);
    d.Choose(kKindCombo, "Wreck");
    d.Click(kShowCheck);
    d.Item(kRowsList).ChooseRowByUser(1, true);
    dialog.name.EnableWindow(FALSE);
    d.Type(kNameEdit, "x");
    dialog.show.ShowWindow(SW_HIDE);
    EXPECT_THAT([&] { d.Click(kShowCheck); },
                testing::ThrowsMessage<platform::ui::AutomationError>(testing::StrEq("control 104 is hidden")));
    d.KeyToFocus(VK_RETURN);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.nameAtEnd, "St Mar");
  EXPECT_EQ(dialog.kindAtEnd, "Wreck");
  EXPECT_EQ(dialog.show.GetCheck(), BST_CHECKED);
  EXPECT_EQ(dialog.kindChanges, 1);
  // Seven characters and one backspace, each a change of the text.
  EXPECT_EQ(dialog.nameChanges, 8);
  EXPECT_EQ(dialog.opened, "second") << "the row's double click reached the dialog";
  EXPECT_THAT(checker.Problems(), IsEmpty());
}

// A backend that writes down what it is told, and whose "user" acts when
// the modal loop waits: the way a pixel backend sits under the dialogs.
class RecordingBackend : public platform::ui::Backend {
 public:
  void Created(CWnd& w) override { life.push_back("+" + std::to_string(w.GetDlgCtrlID())); }
  void Changed(CWnd& w, WindowChange change) override { changes.emplace_back(w.GetDlgCtrlID(), change); }
  void Destroyed(CWnd& w) override { life.push_back("-" + std::to_string(w.GetDlgCtrlID())); }
  bool WaitForWork(std::optional<platform::ui::Millis>) override {
    ++waits;
    if (!user) return false;
    std::exchange(user, {})();
    return true;
  }
  void Wake() override {}
  UINT TrackPopupMenu(CMenu&, CPoint, CWnd*) override { return menuChoice; }

  std::vector<std::string> life;
  std::vector<std::pair<int, WindowChange>> changes;
  std::function<void()> user;
  int waits = 0;
  UINT menuChoice = 0;
};

TEST_F(DialogTest, ABackendMirrorsTheDialogAndItsUserWorksItThroughInputMessages) {
  using namespace platform::ui;
  RecordingBackend backend;
  ScopedBackend installed(backend);
  CFormDlg dialog;
  backend.user = [&] {
    dialog.name.SetFocus();
    for (char c : std::string("Fal")) DeliverKeyStroke(dialog.name, KeyOfCharacter(c), c, {});
    DeliverInput(*dialog.GetDlgItem(IDOK), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    DeliverInput(*dialog.GetDlgItem(IDOK), WM_LBUTTONUP, 0, 0);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.nameAtEnd, "Fal");
  EXPECT_EQ(backend.waits, 1) << "the loop waited once, on the backend";
  EXPECT_THAT(backend.life, ElementsAre("+0", "+106", "+101", "+102", "+103", "+104", "+107", "+1", "+2", "-106", "-101",
                                        "-102", "-103", "-104", "-107", "-1", "-2", "-0"))
      << "the dialog before its controls; its controls go first";
  const auto told = [&](int id, WindowChange change) {
    return std::count(backend.changes.begin(), backend.changes.end(), std::pair(id, change));
  };
  EXPECT_GE(told(kNameEdit, WindowChange::State), 3) << "each typed character";
  EXPECT_GE(told(kNameEdit, WindowChange::Focus), 1);
  EXPECT_GE(told(0, WindowChange::Visibility), 1) << "the dialog shown";
  EXPECT_GE(told(kRowsList, WindowChange::State), 2) << "its two rows";

  backend.user = {};
  CFormDlg abandoned;
  EXPECT_EQ(abandoned.DoModal(), IDCANCEL) << "a backend that cannot wake the loop ends it as a close";
}

TEST_F(DialogTest, ABackendShowsPopupMenusThatNoAutomationWorks) {
  RecordingBackend backend;
  platform::ui::ScopedBackend installed(backend);
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, 10, "Centre");
  menu.AppendMenu(MF_STRING | MF_GRAYED, 11, "Delete");
  struct Case { UINT chosen; UINT expected; };
  for (const Case c : {Case{10, 10}, Case{11, 0}, Case{0, 0}}) {
    backend.menuChoice = c.chosen;
    EXPECT_EQ(static_cast<UINT>(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr)), c.expected) << c.chosen;
  }
  platform::ui::ScopedAutomation automation([](platform::ui::Driver& d) { d.ChooseMenuItem(10); });
  backend.menuChoice = 0;
  EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 10) << "a test or the host working the menu goes first";
}

// When, in ms, and which timer.
using Tick = std::pair<platform::ui::Millis, UINT_PTR>;

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

// Timers run on the installed clock; a fake clock, advanced from the
// automation hook, makes their ticks exact without sleeping.
class TimerTest : public DialogTest {
 protected:
  std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
  ScopedClock installed{clock};
  CTimerDlg dialog{*clock};
};

TEST_F(TimerTest, TicksComeAtTheirPeriodsOnAFakeClock) {
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Idle) return;
    if (clock->Now() >= 700) return d.End(IDOK);
    clock->Advance(50);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  // Timer 2 is killed by its second tick; at 500 both are due and the one
  // set first comes first.
  const std::vector<Tick> expected{{100, 1}, {200, 1}, {250, 2}, {300, 1}, {400, 1},
                                   {500, 1}, {500, 2}, {600, 1}, {700, 1}};
  EXPECT_EQ(dialog.ticks, expected);
}

TEST_F(TimerTest, ALoopThatFellBehindGetsOneTickAndKeepsThePhase) {
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

// No hook, no worker, and timers on a clock no one advances: nothing could
// ever end the loop.
TEST_F(TimerTest, WithoutAnyoneToAnswerAModalDialogCancelsAndWithoutATemplateItFails) {
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(dialog.ticks.empty());
  EXPECT_EQ(CFormDlg().DoModal(), IDCANCEL) << "no timer at all";
  EXPECT_EQ(CDialog(4242).DoModal(), -1);
}

}  // namespace
