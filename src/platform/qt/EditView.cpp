#include "platform/qt/EditView.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "platform/qt/AnsiText.h"
#include "platform/ui/Edit.h"

namespace platform::qt {
namespace {

QWidget* MakeEditWidget(CWnd& window, QWidget* parent) {
  if (window.GetStyle() & ES_MULTILINE) return new QPlainTextEdit(parent);
  return new QLineEdit(parent);
}

void ShowSelection(QLineEdit& line, int anchor, int caret) {
  line.setCursorPosition(anchor);
  line.cursorForward(true, caret - anchor);
}

void ShowSelection(QPlainTextEdit& text, int anchor, int caret) {
  QTextCursor cursor = text.textCursor();
  cursor.setPosition(anchor);
  cursor.setPosition(caret, QTextCursor::KeepAnchor);
  text.setTextCursor(cursor);
}

// Windows-1252 line ends are "\r\n"; Qt's are "\n", one character for two.
QString ShownText(const CWnd& window) { return FromAnsi(window.GetWindowText()).replace("\r\n", "\n"); }

}  // namespace

EditView::EditView(CWnd& window, QWidget* parent) : ControlView(window.m_hWnd, MakeEditWidget(window, parent)) {}

QList<QWidget*> EditView::InputParts() const {
  if (auto* text = qobject_cast<QPlainTextEdit*>(Widget())) return {text, text->viewport()};
  return {Widget()};
}

void EditView::SyncContent(CWnd& window) {
  auto* edit = dynamic_cast<CEdit*>(&window);
  const QString text = ShownText(window);
  int start = 0;
  int end = 0;
  if (edit) edit->GetSel(start, end);
  const int caret = edit ? edit->GetCaret() : 0;
  const int anchor = caret == start ? end : start;
  const bool readOnly = (window.GetStyle() & ES_READONLY) != 0;
  if (auto* line = qobject_cast<QLineEdit*>(Widget())) {
    if (line->text() != text) line->setText(text);
    line->setReadOnly(readOnly);
    ShowSelection(*line, anchor, caret);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(Widget())) {
    if (plain->toPlainText() != text) plain->setPlainText(text);
    plain->setReadOnly(readOnly);
    ShowSelection(*plain, anchor, caret);
  }
}

int EditView::CharacterAt(QPoint point) const {
  if (auto* line = qobject_cast<QLineEdit*>(Widget())) return line->cursorPositionAt(point);
  auto* plain = qobject_cast<QPlainTextEdit*>(Widget());
  return plain->cursorForPosition(plain->viewport()->mapFrom(plain, point)).position();
}

bool EditView::DeliverMouse(CWnd& window, QObject* part, QMouseEvent& event) {
  auto* edit = dynamic_cast<CEdit*>(&window);
  QPoint point = event.position().toPoint();
  if (part != Widget()) point = static_cast<QWidget*>(part)->mapTo(Widget(), point);
  if (!edit) {
    DeliverMouseAt(window, event, point);
    return true;
  }
  const CPoint where = edit->PosFromChar(static_cast<UINT>(CharacterAt(point)));
  DeliverMouseAt(window, event, QPoint(where.x, where.y));
  return true;
}

}  // namespace platform::qt
