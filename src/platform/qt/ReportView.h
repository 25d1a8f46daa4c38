#pragma once
// A report list view on a Qt table view over the list's own rows
// (ListTableModel). Row heights and column widths are the list's, so a
// click on a cell is told to the list at the point its own geometry gives
// that cell, with the keys held: selection, Ctrl-clicks, double and right
// clicks then work as the list defines them.

#include "platform/qt/ControlView.h"

class QTableView;

namespace platform::qt {

class ListTableModel;

class ReportView : public ControlView {
 public:
  ReportView(CWnd& window, QWidget* parent);
  QList<QWidget*> InputParts() const override;
  bool DeliverMouse(CWnd& window, QObject* part, QMouseEvent& event) override;
  ListTableModel& Model() const { return *model_; }

 protected:
  void SyncContent(CWnd& window) override;

 private:
  QTableView* Table() const;
  ListTableModel* model_;
};

}  // namespace platform::qt
