#include "desktop/UserInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QTabBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "desktop/WindowTreeCheck.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/Wnd.h"

namespace desktop_test {

void UserInput::Settle() { session_.Backend().SyncNow(); }

void UserInput::Click(int id) {
  QTest::mouseClick(&session_.WidgetOf(d_.Item(id)), Qt::LeftButton);
  Settle();
}

// Sent as the platform delivers a move to a widget that tracks the mouse.
// QTest moves the offscreen platform's cursor instead, and that move never
// reached the buttons of a dialog opened after another at the same place.
void UserInput::Hover(int id) {
  QWidget& widget = session_.WidgetOf(d_.Item(id));
  const QPoint centre = widget.rect().center();
  QMouseEvent move(QEvent::MouseMove, centre, widget.mapToGlobal(centre), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &move);
  Settle();
}

void UserInput::TypeOver(int id, const QString& text) {
  QWidget& field = session_.WidgetOf(d_.Item(id));
  QTest::mouseClick(&field, Qt::LeftButton);
  QTest::keyClick(&field, Qt::Key_End);
  QTest::keyClick(&field, Qt::Key_Home, Qt::ShiftModifier);
  QTest::keyClick(&field, Qt::Key_Delete);
  QTest::keyClicks(&field, text);
  Settle();
}

void UserInput::PressKey(int id, Qt::Key key) {
  QTest::keyClick(&session_.WidgetOf(d_.Item(id)), key);
  Settle();
}

void UserInput::Choose(int id, const QString& entry) {
  auto& combo = session_.WidgetAs<QComboBox>(d_.Item(id));
  const int index = combo.findText(entry);
  ASSERT_GE(index, 0) << entry.toStdString();
  combo.showPopup();
  QAbstractItemView* view = combo.view();
  const QRect row = view->visualRect(view->model()->index(index, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
  Settle();
}

void UserInput::ClickCell(int id, int row, int column, bool doubleClick) {
  Settle();
  auto* view = qobject_cast<QAbstractItemView*>(&session_.WidgetOf(d_.Item(id)));
  ASSERT_NE(view, nullptr);
  const QPoint centre = view->visualRect(view->model()->index(row, column)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
  if (doubleClick) {
    // QTest's double-click is the second press alone; a user's ends in a
    // release too.
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, centre);
  }
  Settle();
}

void UserInput::ClickTab(int index) {
  for (const CWnd* child : d_.Dialog().Children()) {
    if (!dynamic_cast<const CTabCtrl*>(child)) continue;
    auto& tabs = session_.WidgetAs<QTabBar>(*child);
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
    return Settle();
  }
  ADD_FAILURE() << "no tab control";
}

int UserInput::ShownRows(int id) {
  Settle();
  return session_.WidgetAs<QTableView>(d_.Item(id)).model()->rowCount();
}

QImage UserInput::Photograph(const std::string& name) {
  Settle();
  ExpectWidgetsMirrorWindows(session_, d_.Dialog());
  const QImage shot = session_.Screenshot(d_.Dialog(), name);
  ExpectSpecifiedColours(session_, d_.Dialog(), shot);
  return shot;
}

}  // namespace desktop_test
