#pragma once
// The desktop host's main window: the chart, a View menu that zooms and
// switches each layer on and off, the position under the pointer in the
// status bar, and the chart's view and layers kept for the next run.

#include <QLabel>
#include <QMainWindow>
#include <QMenu>

#include "ChartWidget.h"
#include "chart/Chart.h"

namespace desktop {

class DesktopWindow : public QMainWindow {
  Q_OBJECT

 public:
  DesktopWindow(chart::Chart& chart, CDatum* datum);

  // The menu of the module's dialogs (wreck search, KML and shape file
  // selectors, wind farm and sea area settings): empty until the window
  // system's Qt backend shows them.
  QMenu* OverlaysMenu() const { return overlaysMenu_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void AddFileMenu();
  void AddViewMenu();
  void ShowHome();

  chart::Chart& chart_;
  ChartWidget* chartWidget_;
  QMenu* overlaysMenu_ = nullptr;
  QLabel* readout_;
};

}  // namespace desktop
