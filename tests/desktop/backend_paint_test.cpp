// Owner-drawn controls on screen: what a colour button draws into the
// recording CDC is replayed in its widget, in each state a user puts it in.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

#include "controls/ColourButton.h"
#include "desktop/DesktopSession.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Toolkit.h"
#include "ui/TestDialogs.h"

namespace {

using desktop_test::DesktopSession;
using platform::ui::Driver;
using namespace ui_test;

constexpr int kButtonId = 400;
constexpr COLORREF kFace = RGB(0, 90, 200);
constexpr COLORREF kSecond = RGB(0, 40, 90);
constexpr COLORREF kHoverFace = RGB(230, 30, 30);
constexpr COLORREF kPressedFace = RGB(20, 160, 20);

class CButtonDlg : public CDialog {
 public:
  CButtonDlg() : CDialog(kFormDialog) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    button.Create("Go", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 130, 44), this, kButtonId);
    button.SetNormalColours(kFace, kSecond, RGB(255, 255, 255));
    button.SetHoverColours(kHoverFace, RGB(255, 255, 255));
    button.SetPressedColour(kPressedFace);
    return TRUE;
  }
  CColourButton button;
};

// QTest moves the mouse by moving the cursor, which the offscreen platform
// does not turn into events; a move is sent as the platform sends it.
void MoveMouseOver(QWidget& widget) {
  const QPointF point(20, 10);
  QMouseEvent move(QEvent::MouseMove, point, widget.mapToGlobal(point), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &move);
}

QColor Colour(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

TEST(DesktopPaint, AColourButtonShowsTheFaceOfEachState) {
  using Act = std::function<void(CColourButton&, QWidget&)>;
  struct State {
    const char* what;
    Act act;
    COLORREF face;
  };
  const State states[] = {
      {"normal", [](CColourButton&, QWidget&) {}, kFace},
      {"highlighted", [](CColourButton& b, QWidget&) { b.SetHighlight(true); }, kSecond},
      {"the mouse over it", [](CColourButton&, QWidget& w) { MoveMouseOver(w); }, kHoverFace},
      {"pressed", [](CColourButton&, QWidget& w) { QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(20, 10)); },
       kPressedFace},
  };
  TestResources resources;
  DesktopSession session;
  for (const State& state : states) {
    SCOPED_TRACE(state.what);
    CButtonDlg dialog;
    session.RunModal(dialog, [&](Driver& d) {
      QWidget& face = session.WidgetOf(dialog.button);
      state.act(dialog.button, face);
      const QImage shot = session.Screenshot(dialog.button, "colour_button");
      // Inside the edge, clear of the centred caption.
      EXPECT_EQ(shot.pixelColor(shot.width() - 5, shot.height() / 2), Colour(state.face));
      d.Click(IDCANCEL);
    });
  }
}

}  // namespace
