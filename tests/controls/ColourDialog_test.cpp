// A template-built colour dialog worked end to end through the automation
// hook: typing, clicking colour buttons, choosing colours, reading back.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "ColourTemplates.h"
#include "controls/ColourButton.h"
#include "controls/ColourDialogEx.h"
#include "controls/ColourPickerComboBoxEx.h"
#include "frame/MessageNames.h"
#include "platform/ui/Automation.h"
#include "platform/ui/InvariantChecker.h"

namespace {

using namespace controls_test;
using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using testing::ElementsAre;
using testing::IsEmpty;

const UINT UM_BUTTON_DOWN = RegisterWindowMessage(messages::kButtonDown);

// A dialog in the module's manner: colour buttons and a colour picker
// subclassed onto its template, the toggle button telling the dialog of its
// presses.
class CEntryDlg : public CColourDialogEx {
 public:
  CEntryDlg() : CColourDialogEx(kEntryDialog) {}
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, kApplyButton, apply);
    DDX_Control(dx, kToggleButton, toggle);
    DDX_Control(dx, kColourPicker, picker);
  }
  BOOL OnInitDialog() override {
    CColourDialogEx::OnInitDialog();
    picker.Fill();
    picker.SetColour(0x123456);
    toggle.SetNotify(this, 77);
    return TRUE;
  }
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CEntryDlg>;
    static const MessageMap map(&CColourDialogEx::GetMessageMap(), {
        H::Registered(UM_BUTTON_DOWN, &CEntryDlg::OnButtonDown),
    });
    return map;
  }
  LRESULT OnButtonDown(WPARAM id, LPARAM down) {
    presses.push_back({static_cast<int>(id), static_cast<int>(down)});
    return 0;
  }
  void OnOK() override {
    chosen = picker.GetColour();
    CColourDialogEx::OnOK();
  }

  CColourButton apply;
  CColourButton toggle;
  CColourPickerComboBoxEx picker;
  std::vector<std::pair<int, int>> presses;
  COLORREF chosen = 1;
};

class ColourDialogTest : public testing::Test {
 protected:
  ColourResources resources;
  platform::ui::InvariantChecker checker;
};

// A click on a colour button reaching its parent is shown by the property
// sheet's own Ok and Cancel.
TEST_F(ColourDialogTest, ChooseAColourAndReadTheResult) {
  CEntryDlg dialog;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    d.Choose(kColourPicker, "Dark Blue");
    d.Click(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.chosen, 0x800000u);
  EXPECT_THAT(checker.Problems(), IsEmpty());
  EXPECT_GT(checker.Checks(), 0);
}

TEST_F(ColourDialogTest, PressAndReleasePostButtonDownWithOneThenZero) {
  CEntryDlg dialog;
  std::vector<std::pair<int, int>> afterPress;
  // Posted messages arrive on the loop's next turn.
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() == ModalTurn::Started) return d.Press(kToggleButton);
    if (!afterPress.empty()) return d.End(IDOK);
    afterPress = dialog.presses;
    d.Release(kToggleButton);
  });
  dialog.DoModal();
  EXPECT_THAT(afterPress, ElementsAre(std::pair{77, 1}));
  EXPECT_THAT(dialog.presses, ElementsAre(std::pair{77, 1}, std::pair{77, 0}));
}

// The dialog gives its own background and its texts a brush (a text on
// the brush's colour); buttons and edit fields are left to the toolkit.
TEST_F(ColourDialogTest, HoverSwapsTheCurrentColoursAndTheDarkLookAnswersColourRequests) {
  CEntryDlg dialog;
  bool ran = false;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    const int paints = dialog.apply.PaintRequests();
    d.Hover(kApplyButton);
    const CColourButton::Colours inside = dialog.apply.GetColours();
    EXPECT_TRUE(dialog.apply.IsHot());
    EXPECT_EQ(std::tuple(inside.currentFace, inside.currentSecond, inside.currentText),
              std::tuple(inside.hoverFace, inside.hoverFace, inside.hoverText));
    d.Hover(kToggleButton);  // moving onto another control leaves the first
    const CColourButton::Colours outside = dialog.apply.GetColours();
    EXPECT_FALSE(dialog.apply.IsHot());
    EXPECT_EQ(std::pair(outside.currentFace, outside.currentSecond),
              std::pair(outside.normalFace, outside.normalSecond));
    EXPECT_GE(dialog.apply.PaintRequests() - paints, 2) << "redrawn on entering and on leaving";
    for (UINT message : {WM_CTLCOLORDLG, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLOREDIT}) {
      CDC dc;
      auto* brush = reinterpret_cast<CBrush*>(
          d.Dialog().SendMessage(message, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(&d.Item(kCaption))));
      EXPECT_EQ(brush != nullptr, message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC) << message;
      if (message == WM_CTLCOLORSTATIC) {
        EXPECT_TRUE(brush && brush->Colour() == dc.GetBkColor()) << "a text on the brush's colour";
      }
    }
    ran = true;
    d.End(IDCANCEL);
  });
  dialog.DoModal();
  EXPECT_TRUE(ran);
}

}  // namespace
