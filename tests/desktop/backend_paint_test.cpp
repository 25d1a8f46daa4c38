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
#include "platform/ui/Bitmap.h"
#include "platform/ui/ImageList.h"
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

// A window that paints what a test gives it.
class CCanvas : public CWnd {
 public:
  explicit CCanvas(std::function<void(CDC&)> paint) : paint_(std::move(paint)) {}
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CCanvas>;
    static const MessageMap map(&CWnd::GetMessageMap(), {H::Message(WM_PAINT, &CCanvas::OnPaint)});
    return map;
  }
  LRESULT OnPaint(WPARAM dc, LPARAM) {
    if (dc) paint_(*reinterpret_cast<CDC*>(dc));
    return 0;
  }

 private:
  std::function<void(CDC&)> paint_;
};

// Counts the pixels of one colour in a column range of a row band.
int CountIn(const QImage& image, QColor colour, int left, int right) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = left; x < right; ++x) count += image.pixelColor(x, y) == colour;
  return count;
}

TEST(DesktopPaint, WhatAWindowDrawsIsReplayedAsDrawn) {
  const CRect area(0, 0, 40, 20);
  const QColor black(0, 0, 0);
  struct Drawing {
    const char* what;
    std::function<void(CDC&, const CImageList&)> draw;
    std::function<bool(const QImage&)> shows;
  };
  const Drawing drawings[] = {
      {"a fill", [&](CDC& dc, const CImageList&) { dc.FillSolidRect(area, RGB(255, 0, 0)); },
       [](const QImage& i) { return i.pixelColor(20, 10) == QColor(255, 0, 0); }},
      {"a frame inside its rectangle",
       [&](CDC& dc, const CImageList&) { dc.FrameRect(area, RGB(0, 0, 255)); },
       [](const QImage& i) { return i.pixelColor(0, 10) == QColor(0, 0, 255) && i.pixelColor(39, 19) == QColor(0, 0, 255) &&
                                    i.pixelColor(20, 10) != QColor(0, 0, 255); }},
      {"opaque text on its background colour",
       [&](CDC& dc, const CImageList&) {
         dc.SetBkColor(RGB(255, 255, 0));
         dc.DrawText("i", area);
       },
       [](const QImage& i) { return i.pixelColor(38, 18) == QColor(255, 255, 0); }},
      {"right-aligned text in the right of its rectangle",
       [&](CDC& dc, const CImageList&) {
         dc.SetBkMode(TRANSPARENT);
         dc.DrawText("WW", area, DT_SINGLELINE | DT_RIGHT | DT_VCENTER);
       },
       [&](const QImage& i) { return CountIn(i, black, 0, 13) == 0 && CountIn(i, black, 27, 40) > 0; }},
      {"an image of an image list, its mask colour see-through",
       [](CDC& dc, const CImageList& images) {
         dc.FillSolidRect(CRect(0, 0, 10, 10), RGB(0, 255, 0));
         dc.DrawImage(images, 0, CPoint(4, 4));
       },
       [](const QImage& i) { return i.pixelColor(4, 4) == QColor(255, 0, 0) && i.pixelColor(5, 4) == QColor(0, 255, 0); }},
      {"a dotted line: some dots, some gaps",
       [](CDC& dc, const CImageList&) { dc.DrawLine(CPoint(0, 10), CPoint(39, 10), PS_DOT, RGB(0, 0, 0)); },
       [&](const QImage& i) {
         const QImage row = i.copy(0, 10, 40, 1);
         return CountIn(row, black, 0, 40) > 5 && CountIn(row, black, 0, 40) < 35;
       }},
  };
  TestResources resources;
  DesktopSession session;
  CBitmap strip;
  ASSERT_TRUE(strip.LoadBitmap(kStripBitmap));
  CImageList images;
  images.Create(2, 2, ILC_MASK, 2, 0);
  images.Add(&strip, kM);
  for (const Drawing& drawing : drawings) {
    SCOPED_TRACE(drawing.what);
    CDialog dialog(kFormDialog);
    CCanvas canvas([&](CDC& dc) { drawing.draw(dc, images); });
    session.RunModal(dialog, [&](Driver& d) {
      canvas.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 30), &dialog, 500);
      EXPECT_TRUE(drawing.shows(session.Screenshot(canvas, "canvas")));
      d.Click(IDCANCEL);
    });
  }
}

}  // namespace
