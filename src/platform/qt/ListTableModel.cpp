#include "platform/qt/ListTableModel.h"

#include "platform/qt/AnsiText.h"
#include "platform/qt/DrawOpPainter.h"
#include "platform/qt/Pixmaps.h"
#include "platform/ui/ListCtrl.h"

namespace platform::qt {
namespace {

// The selected row's colours on the original desktop.
constexpr COLORREF kSelectedBackground = RGB(0, 120, 215);
constexpr COLORREF kSelectedText = RGB(255, 255, 255);

Qt::Alignment ColumnAlignment(int format) {
  switch (format & (HDF_RIGHT | HDF_CENTER)) {
    case HDF_RIGHT:
      return Qt::AlignRight | Qt::AlignVCenter;
    case HDF_CENTER:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

HDITEM HeaderItem(const CListCtrl& list, int column) {
  HDITEM item;
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
  list.GetHeaderCtrl()->GetItem(column, &item);
  return item;
}

}  // namespace

ListTableModel::ListTableModel(HWND list, QObject* parent) : QAbstractTableModel(parent), list_(list) {
  if (CListCtrl* control = List()) {
    rows_ = control->GetItemCount();
    columns_ = control->GetColumnCount();
  }
}

CListCtrl* ListTableModel::List() const { return dynamic_cast<CListCtrl*>(CWnd::FromHandle(list_)); }

int ListTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ListTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
  CListCtrl* list = List();
  if (!list || !index.isValid() || index.row() >= list->GetItemCount() || index.column() >= list->GetColumnCount())
    return {};
  switch (role) {
    case Qt::DisplayRole:
      return FromAnsi(list->GetItemText(index.row(), index.column()));
    case Qt::DecorationRole:
      return CellImage(*list, index.row(), index.column());
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
      return CellColour(*list, index.row(), index.column(), role);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(ColumnAlignment(HeaderItem(*list, index.column()).fmt));
    default:
      return {};
  }
}

QVariant ListTableModel::CellImage(const CListCtrl& list, int row, int column) const {
  const bool imagesInCells = (list.GetExtendedStyle() & LVS_EX_SUBITEMIMAGES) != 0;
  if (column > 0 && !imagesInCells) return {};
  LVITEM item;
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iSubItem = column;
  if (!list.GetItem(&item) || item.iImage < 0) return {};
  auto cached = images_.find(item.iImage);
  if (cached == images_.end()) cached = images_.insert(item.iImage, ImageListPixmap(list.GetImageList(LVSIL_SMALL), item.iImage));
  if (cached->isNull()) return {};
  return *cached;
}

// The list's class and its parent choose a cell's colours (custom draw);
// a selected row shows the selection's.
QVariant ListTableModel::CellColour(CListCtrl& list, int row, int column, int role) const {
  const bool background = role == Qt::BackgroundRole;
  if (list.GetItemState(row, LVIS_SELECTED)) return QtColour(background ? kSelectedBackground : kSelectedText);
  const NMLVCUSTOMDRAW draw = list.CustomDrawCell(row, column);
  return QtColour(background ? draw.clrTextBk : draw.clrText);
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const CListCtrl* list = List();
  if (!list || orientation != Qt::Horizontal || section >= list->GetColumnCount()) return {};
  if (role == Qt::DisplayRole) return FromAnsi(HeaderItem(*list, section).pszText);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ColumnAlignment(HeaderItem(*list, section).fmt));
  return {};
}

void ListTableModel::Refresh() {
  const CListCtrl* list = List();
  const int rows = list ? list->GetItemCount() : 0;
  const int columns = list ? list->GetColumnCount() : 0;
  images_.clear();
  if (rows != rows_ || columns != columns_) {
    beginResetModel();
    rows_ = rows;
    columns_ = columns;
    endResetModel();
    return;
  }
  if (rows > 0 && columns > 0) emit dataChanged(index(0, 0), index(rows - 1, columns - 1));
  if (columns > 0) emit headerDataChanged(Qt::Horizontal, 0, columns - 1);
}

}  // namespace platform::qt
