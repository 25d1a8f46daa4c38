#include "desktop/WindowTreeCheck.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTableView>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "controls/ColourButton.h"
#include "controls/ColourPickerComboBoxEx.h"
#include "controls/MyListCtrl.h"
#include "desktop/DesktopSession.h"
#include "platform/text/CodePage.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/Wnd.h"

namespace desktop_test {
namespace {

using platform::ui::ControlKind;

QString FromAnsi(std::string_view text) { return QString::fromStdString(platform::text::Utf8FromAnsi(text)); }

void ForEachWindow(const CWnd& root, const std::function<void(const CWnd&)>& visit) {
  visit(root);
  for (const CWnd* child : root.Children()) ForEachWindow(*child, visit);
}

// Headers are drawn by their list's view and tool tips by Qt on hover:
// neither has a widget of its own.
bool HasOwnWidget(const CWnd& window) {
  return !dynamic_cast<const CHeaderCtrl*>(&window) && !dynamic_cast<const CToolTipCtrl*>(&window);
}

QRect QtRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

bool IsComboBox(const CWnd& window) {
  return window.IsControl() && (window.Kind() == ControlKind::ComboBox || window.Kind() == ControlKind::ComboBoxEx);
}

// Within a pixel; a closed combo box is one line high, while its window
// keeps the height of its dropped list.
void ExpectPlaced(const QRect& shown, const QRect& expected, const CWnd& window, const char* what) {
  EXPECT_NEAR(shown.x(), expected.x(), 1) << what;
  EXPECT_NEAR(shown.y(), expected.y(), 1) << what;
  EXPECT_NEAR(shown.width(), expected.width(), 1) << what;
  if (IsComboBox(window))
    EXPECT_LE(shown.height(), expected.height()) << what;
  else
    EXPECT_NEAR(shown.height(), expected.height(), 1) << what;
}

// What the widget shows of the window's text; a label hides the access
// keys' ampersands, a multi-line field shows a line break as one character.
void ExpectCaption(const QWidget& widget, const CWnd& window) {
  QString text = FromAnsi(window.GetWindowText());
  QString shown;
  if (widget.isWindow()) {
    shown = widget.windowTitle();
  } else if (auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (!label->pixmap().isNull()) return;
    shown = label->text().remove('&');
    text.remove('&');
  } else if (auto* group = qobject_cast<const QGroupBox*>(&widget)) {
    shown = group->title();
  } else if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    shown = button->text();
  } else if (auto* line = qobject_cast<const QLineEdit*>(&widget)) {
    shown = line->text();
  } else if (auto* plain = qobject_cast<const QPlainTextEdit*>(&widget)) {
    shown = plain->toPlainText();
    text.replace("\r\n", "\n");
  } else {
    return;
  }
  EXPECT_EQ(shown, text);
}

// The template's rectangle through the dialog font's metrics; the module
// moves some controls after creation, and those follow their window.
void ExpectTemplatePlace(const QWidget& widget, const CWnd& window) {
  const auto* item = window.TemplateItem();
  if (!item) return;
  CRect placed(item->rect.x, item->rect.y, item->rect.x + item->rect.cx, item->rect.y + item->rect.cy);
  window.MapDialogRect(&placed);
  CRect now;
  window.GetWindowRect(&now);
  if (now == placed) ExpectPlaced(widget.geometry(), QtRect(placed), window, "template rectangle");
}

void ExpectMirrors(DesktopSession& session, const CWnd& window) {
  if (!HasOwnWidget(window)) return;
  SCOPED_TRACE("window " + std::to_string(window.GetDlgCtrlID()) + " \"" + window.GetWindowText() + "\"");
  QWidget* widget = session.Backend().WidgetOf(window);
  ASSERT_NE(widget, nullptr);
  const CWnd* parent = window.GetParent();
  const QWidget* parentWidget = parent && !widget->isWindow() ? session.Backend().WidgetOf(*parent) : nullptr;
  if (parentWidget) {
    EXPECT_TRUE(parentWidget->isAncestorOf(widget)) << "the widget is not under its parent's";
  }
  CRect rect;
  window.GetWindowRect(&rect);
  const QRect shown = widget->isWindow() ? QRect(QPoint(), widget->size()) : widget->geometry();
  ExpectPlaced(shown, widget->isWindow() ? QRect(0, 0, rect.Width(), rect.Height()) : QtRect(rect), window,
               "window rectangle");
  ExpectTemplatePlace(*widget, window);
  ExpectCaption(*widget, window);
  EXPECT_EQ(widget->isVisibleTo(widget->isWindow() ? widget : widget->parentWidget()),
            (window.GetStyle() & WS_VISIBLE) != 0);
  EXPECT_EQ(widget->isEnabled(), window.IsWindowEnabled() && (!parentWidget || parentWidget->isEnabled()));
}

QColor Colour(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

QColor PixelAt(DesktopSession& session, const CWnd& root, const QWidget& widget, QPoint point, const QImage& shot) {
  const QPoint inShot = widget.mapTo(session.Backend().WidgetOf(root), point);
  return shot.pixelColor(inShot * shot.devicePixelRatio());
}

void ExpectButtonFace(DesktopSession& session, const CWnd& root, const CColourButton& button, const QImage& shot) {
  const ButtonLook look = button.Look();
  if (look.bitmap != ButtonBitmap::None) return;
  const QWidget& face = *session.Backend().WidgetOf(button);
  // Inside the edge and the focus rectangle, clear of the centred caption.
  const QPoint probe(face.width() - look.inset - 2, face.height() / 2);
  EXPECT_EQ(PixelAt(session, root, face, probe, shot), Colour(look.face)) << "colour button " << button.GetDlgCtrlID();
}

void ExpectCellColours(DesktopSession& session, const CWnd& root, const CMyListCtrl& list, const QImage& shot) {
  auto* table = qobject_cast<QTableView*>(session.Backend().WidgetOf(list));
  ASSERT_NE(table, nullptr);
  for (int row = 0; row < list.GetItemCount(); ++row) {
    if (list.GetItemState(row, LVIS_SELECTED)) continue;
    for (int column = 0; column < list.GetColumnCount(); ++column) {
      const QRect cell = table->visualRect(table->model()->index(row, column));
      if (!table->viewport()->rect().contains(cell)) continue;
      // The cell's top left corner: its text sits lower and further in.
      const QColor shown = PixelAt(session, root, *table->viewport(), cell.topLeft() + QPoint(2, 1), shot);
      EXPECT_EQ(shown, Colour(list.ColoursOf(row, column).background)) << "row " << row << " column " << column;
    }
  }
}

// The chosen entry's swatch: its middle is the colour the picker holds.
void ExpectSwatch(DesktopSession& session, const CColourPickerComboBoxEx& picker) {
  auto* combo = qobject_cast<QComboBox*>(session.Backend().WidgetOf(picker));
  ASSERT_NE(combo, nullptr);
  constexpr int size = CColourPickerComboBoxEx::kSwatchSize;
  const QImage swatch = combo->itemIcon(combo->currentIndex()).pixmap(size, size).toImage();
  EXPECT_EQ(swatch.pixelColor(size / 2, size / 2), Colour(picker.GetColour())) << "picker " << picker.GetDlgCtrlID();
}

// The other way round: a dialog's or a page's widget holds no visible
// widget that no window of the tree accounts for (one left behind by a
// window that is gone, say). Controls' widgets have parts of their own.
void ExpectNoStrayWidgets(DesktopSession& session, const CWnd& root) {
  QSet<const QWidget*> shown;
  ForEachWindow(root, [&](const CWnd& window) { shown.insert(session.Backend().WidgetOf(window)); });
  ForEachWindow(root, [&](const CWnd& window) {
    const QWidget* container = window.IsControl() ? nullptr : session.Backend().WidgetOf(window);
    if (!container) return;
    for (const QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (child->isVisibleTo(container) && !child->isWindow()) {
        EXPECT_TRUE(shown.contains(child))
            << "a " << child->metaObject()->className() << " at " << child->x() << "," << child->y() << " shows no window";
      }
  });
}

}  // namespace

void ExpectWidgetsMirrorWindows(DesktopSession& session, const CWnd& root) {
  session.Backend().SyncNow();
  ForEachWindow(root, [&](const CWnd& window) { ExpectMirrors(session, window); });
  ExpectNoStrayWidgets(session, root);
}

void ExpectSpecifiedColours(DesktopSession& session, const CWnd& root, const QImage& shot) {
  ForEachWindow(root, [&](const CWnd& window) {
    if (!window.IsWindowVisible()) return;
    if (auto* button = dynamic_cast<const CColourButton*>(&window)) ExpectButtonFace(session, root, *button, shot);
    if (auto* list = dynamic_cast<const CMyListCtrl*>(&window)) ExpectCellColours(session, root, *list, shot);
    if (auto* picker = dynamic_cast<const CColourPickerComboBoxEx*>(&window)) ExpectSwatch(session, *picker);
  });
}

}  // namespace desktop_test
