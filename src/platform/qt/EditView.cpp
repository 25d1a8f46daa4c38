#include "platform/qt/EditView.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>
#include <string>

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

// Windows-1252 line ends are "\r\n"; Qt's are "\n", one character for two,
// so indices into the two texts differ by the line ends before them.
QString ShownText(const std::string& text) { return FromAnsi(text).replace("\r\n", "\n"); }

int ShownIndex(const std::string& text, int index) {
  const auto end = text.begin() + std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(text.size()));
  int lineEnds = 0;
  for (auto c = text.begin(); c != end; ++c) lineEnds += *c == '\r' && c + 1 != text.end() && c[1] == '\n';
  return static_cast<int>(end - text.begin()) - lineEnds;
}

int WindowIndex(const std::string& text, int shownIndex) {
  const auto size = static_cast<int>(text.size());
  int index = 0;
  for (int seen = 0; seen < shownIndex && index < size; ++seen)
    index += text[static_cast<size_t>(index)] == '\r' && index + 1 < size && text[static_cast<size_t>(index) + 1] == '\n' ? 2 : 1;
  return index;
}

}  // namespace

EditView::EditView(CWnd& window, QWidget* parent) : ControlView(window.m_hWnd, MakeEditWidget(window, parent)) {}

QList<QWidget*> EditView::InputParts() const {
  if (auto* text = qobject_cast<QPlainTextEdit*>(Widget())) return {text, text->viewport()};
  return {Widget()};
}

void EditView::SyncContent(CWnd& window) {
  auto* edit = dynamic_cast<CEdit*>(&window);
  const std::string held = window.GetWindowText();
  const QString text = ShownText(held);
  int start = 0;
  int end = 0;
  if (edit) edit->GetSel(start, end);
  const int caretAt = edit ? edit->GetCaret() : 0;
  const int caret = ShownIndex(held, caretAt);
  const int anchor = ShownIndex(held, caretAt == start ? end : start);
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

int EditView::CharacterAt(const CWnd& window, QPoint point) const {
  if (auto* line = qobject_cast<QLineEdit*>(Widget())) return line->cursorPositionAt(point);
  auto* plain = qobject_cast<QPlainTextEdit*>(Widget());
  const int shown = plain->cursorForPosition(plain->viewport()->mapFrom(plain, point)).position();
  return WindowIndex(window.GetWindowText(), shown);
}

bool EditView::DeliverMouse(CWnd& window, QObject* part, QMouseEvent& event) {
  auto* edit = dynamic_cast<CEdit*>(&window);
  QPoint point = event.position().toPoint();
  if (part != Widget()) point = static_cast<QWidget*>(part)->mapTo(Widget(), point);
  if (!edit) {
    DeliverMouseAt(window, event, point);
    return true;
  }
  const CPoint where = edit->PosFromChar(static_cast<UINT>(CharacterAt(window, point)));
  DeliverMouseAt(window, event, QPoint(where.x, where.y));
  return true;
}

}  // namespace platform::qt
