#include "desktop/DesktopHost.h"

#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <stdexcept>

#include <gtest/gtest.h>

#include "SampleChart.h"
#include "chart/HostLayers.h"

namespace desktop_test {
namespace {

constexpr QSize kWindowSize(900, 640);
// How far a dialog stands from the window's top left corner at least.
constexpr int kDialogInset = 60;

QString WithoutMnemonics(QString text) { return text.remove(QLatin1Char('&')); }

}  // namespace

DesktopHost::DesktopHost() {
  FillSampleLists(machine, lists.lists);
  chart::AddHostLayers(chart, lists.lists, OVERLAYS_WORLD_COASTLINE);
  window_ = std::make_unique<desktop::DesktopWindow>(chart, &lists.datum);
  menus_ = new desktop::ExportMenus(*window_, chart, lists, desktop::LoadPositionChoice());
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
  const QImage back = window_->grab().toImage();
  const QImage front = session.WidgetOf(dialog).grab().toImage();
  // A dialog larger than the window shows whole, overlapping its edges.
  const QPoint at(std::max(kDialogInset, (back.width() - front.width()) / 2),
                  std::max(kDialogInset, (back.height() - front.height()) / 2));
  QImage shot(back.size().expandedTo(QSize(front.width() + at.x(), front.height() + at.y())), QImage::Format_RGB32);
  shot.fill(Qt::white);
  QPainter painter(&shot);
  painter.drawImage(0, 0, back);
  painter.drawImage(at, front);
  painter.end();
  shot.save(QString::fromStdString((ScreenshotFolder() / ("chart-menus-" + name + ".png")).string()));
  return shot;
}

}  // namespace desktop_test
