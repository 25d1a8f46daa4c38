// What the backend shares with the desktop: the clipboard both ways (in
// Windows-1252 inside), popup menus chosen from a real menu, and the tips
// of tool-tip controls.

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DC.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Toolkit.h"
#include "platform/ui/ToolTipCtrl.h"
#include "ui/TestDialogs.h"

namespace {

using desktop_test::DesktopSession;
using platform::ui::Driver;
using namespace ui_test;

class DesktopServices : public testing::Test {
 protected:
  TestResources resources;
  DesktopSession session;
};

TEST_F(DesktopServices, TheClipboardIsTheDesktopsBothWays) {
  struct Case {
    const char* what;
    std::function<void(QLineEdit&)> act;
    QString desktop;     // the desktop clipboard's text afterwards
    std::string edit;    // the edit's text afterwards (Windows-1252)
  };
  const Case cases[] = {
      {"copied in the dialog",
       [](QLineEdit& e) {
         QTest::keyClicks(&e, QString::fromUtf8("50\u00B0N"));
         QTest::keyClick(&e, Qt::Key_A, Qt::ControlModifier);
         QTest::keyClick(&e, Qt::Key_C, Qt::ControlModifier);
       },
       QString::fromUtf8("50\u00B0N"), "50\xB0" "N"},
      {"copied on the desktop, pasted in the dialog",
       [](QLineEdit& e) {
         QGuiApplication::clipboard()->setText(QString::fromUtf8("12\u00B0E"));
         QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
       },
       QString::fromUtf8("12\u00B0E"), "12\xB0" "E"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CDialog dialog(kFormDialog);
    session.RunModal(dialog, [&](Driver& d) {
      c.act(session.WidgetAs<QLineEdit>(d.Item(kNameEdit)));
      session.Backend().SyncNow();
      EXPECT_EQ(QGuiApplication::clipboard()->text(), c.desktop);
      EXPECT_EQ(d.Item(kNameEdit).GetWindowText(), c.edit);
      d.Click(IDCANCEL);
    });
  }
}

// A menu whose swatch item draws itself in one colour.
class CSwatchMenu : public CMenu {
 public:
  static constexpr UINT kSwatch = 20;
  static constexpr COLORREF kColour = RGB(200, 30, 120);
  void MeasureItem(MEASUREITEMSTRUCT* measure) override {
    measure->itemWidth = 32;
    measure->itemHeight = 12;
  }
  void DrawItem(DRAWITEMSTRUCT* draw) override { draw->pDC->FillSolidRect(draw->rcItem, kColour); }
};

TEST_F(DesktopServices, APopupMenuIsChosenFromARealMenu) {
  struct Case {
    std::vector<Qt::Key> keys;
    UINT chosen;
  };
  // Down walks past the separator and the greyed item.
  const Case cases[] = {
      {{Qt::Key_Down, Qt::Key_Return}, 10},
      {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, 12},
      {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, CSwatchMenu::kSwatch},
      {{Qt::Key_Escape}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    CSwatchMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 10, "&Open");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, 11, "Greyed");
    menu.AppendMenu(MF_STRING | MF_CHECKED, 12, "Ticked");
    menu.AppendMenu(MF_OWNERDRAW, CSwatchMenu::kSwatch);
    QColor swatch;
    QTimer::singleShot(0, [&] {
      QWidget* popup = QApplication::activePopupWidget();
      ASSERT_NE(popup, nullptr);
      swatch = popup->actions().back()->icon().pixmap(32, 12).toImage().pixelColor(16, 6);
      for (Qt::Key key : c.keys) QTest::keyClick(popup, key);
    });
    EXPECT_EQ(static_cast<UINT>(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, nullptr)), c.chosen);
    EXPECT_EQ(swatch, QColor(200, 30, 120)) << "the owner-drawn item shows what DrawItem drew";
  }
}

TEST_F(DesktopServices, AToolTipShowsTheTipItsControlHolds) {
  struct Case {
    int id;
    QString tip;  // none shown when empty
  };
  // A shown tip fades rather than goes at once: the control without one first.
  const Case cases[] = {{kShowCheck, ""}, {kNameEdit, "The name to find"}};
  CDialog dialog(kFormDialog);
  session.RunModal(dialog, [&](Driver& d) {
    CToolTipCtrl tips;
    tips.Create(&dialog);
    tips.AddTool(&d.Item(kNameEdit), "The name to find");
    for (const Case& c : cases) {
      SCOPED_TRACE(c.id);
      QWidget& widget = session.WidgetOf(d.Item(c.id));
      QHelpEvent ask(QEvent::ToolTip, QPoint(2, 2), widget.mapToGlobal(QPoint(2, 2)));
      QApplication::sendEvent(&widget, &ask);
      EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), c.tip);
    }
    QToolTip::hideText();
    d.Click(IDCANCEL);
  });
}

}  // namespace
