#include "platform/qt/ListBoxView.h"

#include <QListWidget>
#include <QMouseEvent>

#include "platform/qt/AnsiText.h"
#include "platform/ui/Wnd.h"

namespace platform::qt {
namespace {

bool ShowsRows(const QListWidget& list, const QStringList& rows) {
  if (list.count() != rows.size()) return false;
  for (int i = 0; i < rows.size(); ++i)
    if (list.item(i)->text() != rows[i]) return false;
  return true;
}

}  // namespace

ListBoxView::ListBoxView(CWnd& window, QWidget* parent) : ControlView(window.m_hWnd, new QListWidget(parent)) {}

QList<QWidget*> ListBoxView::InputParts() const {
  auto* list = static_cast<QListWidget*>(Widget());
  return {list, list->viewport()};
}

void ListBoxView::SyncContent(CWnd& window) {
  auto* list = static_cast<QListWidget*>(Widget());
  QStringList rows;
  for (const std::string& row : window.AccessibleRows()) rows << FromAnsi(row);
  if (!ShowsRows(*list, rows)) {
    list->clear();
    list->addItems(rows);
  }
  list->setCurrentRow(window.AccessibleSelection());
}

bool ListBoxView::DeliverMouse(CWnd& window, QObject* part, QMouseEvent& event) {
  auto* list = static_cast<QListWidget*>(Widget());
  if (part != list->viewport()) return false;
  const bool press = event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
  const int row = list->indexAt(event.position().toPoint()).row();
  if (press && event.button() == Qt::LeftButton && row >= 0)
    window.ChooseRowByUser(row, event.type() == QEvent::MouseButtonDblClick);
  return true;
}

}  // namespace platform::qt
