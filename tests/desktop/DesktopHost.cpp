#include "desktop/DesktopHost.h"

#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include <stdexcept>

#include <gtest/gtest.h>

#include "SampleChart.h"
#include "chart/HostLayers.h"

namespace desktop_test {
namespace {

constexpr QSize kWindowSize(900, 640);

QString WithoutMnemonics(QString text) { return text.remove(QLatin1Char('&')); }

}  // namespace

DesktopHost::DesktopHost() {
  FillSampleLists(machine, lists.lists);
  chart::AddHostLayers(chart, lists.lists, OVERLAYS_WORLD_COASTLINE);
  window_ = std::make_unique<desktop::DesktopWindow>(chart, &lists.datum);
  menus_ = new desktop::ExportMenus(*window_, chart, lists);
  window_->resize(kWindowSize);
  window_->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
}

DesktopHost::~DesktopHost() = default;

QAction& DesktopHost::Action(const QString& menu, const QString& title) {
  for (QAction* top : window_->menuBar()->actions()) {
    if (!top->menu() || WithoutMnemonics(top->text()) != menu) continue;
    for (QAction* action : top->menu()->actions())
      if (WithoutMnemonics(action->text()) == title) return *action;
  }
  ADD_FAILURE() << "no " << menu.toStdString() << " > " << title.toStdString();
  throw std::runtime_error("no such menu item");
}

desktop::ChartWidget& DesktopHost::Chart() { return *qobject_cast<desktop::ChartWidget*>(window_->centralWidget()); }

QImage DesktopHost::Screenshot(const CWnd& dialog, const std::string& name) {
  QImage shot = window_->grab().toImage();
  const QImage front = session.WidgetOf(dialog).grab().toImage();
  QPainter painter(&shot);
  painter.drawImage((shot.width() - front.width()) / 2, (shot.height() - front.height()) / 2, front);
  painter.end();
  shot.save(QString::fromStdString((ScreenshotFolder() / ("chart-menus-" + name + ".png")).string()));
  return shot;
}

}  // namespace desktop_test
