#pragma once
// The rows of a report list as a Qt table model. Nothing is copied: every
// cell is read from the list when the view asks for it, so a list of
// 100,000 rows costs the view only the rows it paints.

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>

#include "platform/ui/WinConstants.h"

class CListCtrl;

namespace platform::qt {

class ListTableModel : public QAbstractTableModel {
 public:
  explicit ListTableModel(HWND list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The list changed: a new shape resets the model, the same shape only
  // repaints it.
  void Refresh();

 private:
  CListCtrl* List() const;
  QVariant CellImage(const CListCtrl& list, int row, int column) const;
  QVariant CellColour(CListCtrl& list, int row, int column, int role) const;

  HWND list_;
  int rows_ = 0;
  int columns_ = 0;
  mutable QHash<int, QPixmap> images_;
};

}  // namespace platform::qt
