#include "platform/qt/ReportView.h"

#include <QMouseEvent>
#include <QTableView>

#include "platform/qt/DrawOpPainter.h"
#include "platform/qt/ListHeaderView.h"
#include "platform/qt/ListTableModel.h"
#include "platform/ui/ListCtrl.h"

namespace platform::qt {
namespace {

QTableView* MakeTable(CWnd& window, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setHorizontalHeader(new ListHeaderView(window.m_hWnd, table));
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setFocusPolicy(Qt::StrongFocus);
  table->setWordWrap(false);
  return table;
}

constexpr int kLargestMousePoint = 32767;

// Where the list's own geometry puts a cell; below the last row for none.
QPoint ListPoint(const CListCtrl& list, int row, int column) {
  CRect cell;
  if (row >= 0 && column >= 0 && list.GetSubItemRect(row, column, &cell))
    return QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  return QPoint(0, list.HeaderHeight() + list.RowHeight() * list.GetItemCount() + 1);
}

}  // namespace

ReportView::ReportView(CWnd& window, QWidget* parent) : ControlView(window.m_hWnd, MakeTable(window, parent)) {
  model_ = new ListTableModel(window.m_hWnd, Widget());
  Table()->setModel(model_);
}

QTableView* ReportView::Table() const { return static_cast<QTableView*>(Widget()); }

QList<QWidget*> ReportView::InputParts() const { return {Table(), Table()->viewport(), Table()->horizontalHeader()}; }

void ReportView::SyncContent(CWnd& window) {
  auto* list = dynamic_cast<CListCtrl*>(&window);
  if (!list) return;
  model_->Refresh();
  QTableView* table = Table();
  table->setShowGrid((list->GetExtendedStyle() & LVS_EX_GRIDLINES) != 0);
  table->verticalHeader()->setDefaultSectionSize(list->RowHeight());
  // The header window's height: a multi-line header's captions fit it.
  table->horizontalHeader()->setFixedHeight(list->HeaderHeight());
  for (int c = 0; c < list->GetColumnCount(); ++c) table->setColumnWidth(c, list->GetColumnWidth(c));
  QPalette palette = table->palette();
  palette.setColor(QPalette::Base, QtColour(list->GetBkColor()));
  table->setPalette(palette);
  const int focused = list->GetNextItem(-1, LVNI_FOCUSED);
  if (focused >= 0) table->scrollTo(model_->index(focused, 0));
}

bool ReportView::DeliverMouse(CWnd& window, QObject* part, QMouseEvent& event) {
  auto* list = dynamic_cast<CListCtrl*>(&window);
  QTableView* table = Table();
  if (!list) return true;
  if (part == table->horizontalHeader()) {
    CHeaderCtrl* header = list->GetHeaderCtrl();
    if (header && header->m_hWnd) DeliverMouseAt(*header, event, event.position().toPoint());
    return true;
  }
  if (part != table->viewport()) return false;
  const QModelIndex cell = table->indexAt(event.position().toPoint());
  const QPoint point = ListPoint(*list, cell.row(), cell.column());
  if (point.y() <= kLargestMousePoint) {
    DeliverMouseAt(window, event, point);
    return true;
  }
  // A mouse message carries 16 bits a coordinate; the list's own geometry
  // puts rows past the first two thousand or so beyond them. Those rows
  // take the click as the list takes one on a row.
  if (event.type() != QEvent::MouseButtonRelease) list->ClickRow(cell.row(), MouseMessage(event), MouseKeys(event));
  return true;
}

}  // namespace platform::qt
