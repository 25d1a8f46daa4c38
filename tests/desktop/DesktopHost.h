#pragma once
// The desktop host as a user meets it, on a throw-away machine: the main
// window with the chart and its menus over the host's lists (filled with
// the sample data), the module's dialogs shown through the Qt backend.

#include <QAction>
#include <QImage>

#include <memory>
#include <string>

#include "ChartWidget.h"
#include "DesktopLists.h"
#include "DesktopWindow.h"
#include "ExportMenus.h"
#include "chart/Chart.h"
#include "desktop/DesktopSession.h"
#include "support/TestMachine.h"

namespace desktop_test {

class DesktopHost {
 public:
  // The window is shown at a fixed size over the sample data.
  DesktopHost();
  ~DesktopHost();

  // The action of that menu whose text (without its & marks) is `title`;
  // fails the test and throws when there is none.
  QAction& Action(const QString& menu, const QString& title);
  desktop::ChartWidget& Chart();
  desktop::ExportMenus& Menus() { return *menus_; }

  // The main window with `dialog` drawn over its middle, as a user sees
  // it, written as chart-menus-<name>.png among the screenshots.
  QImage Screenshot(const CWnd& dialog, const std::string& name);

  testing_support::TestMachine machine;
  DesktopSession session;
  desktop::DesktopLists lists;
  chart::Chart chart;

 private:
  std::unique_ptr<desktop::DesktopWindow> window_;
  desktop::ExportMenus* menus_ = nullptr;
};

}  // namespace desktop_test
