#include "DesktopWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <string_view>

#include "ChartSettings.h"

namespace desktop {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943;

// The View menu's words for each layer, by the layer's name.
struct LayerTitle {
  std::string_view layer;
  const char* title;
};
constexpr LayerTitle kLayerTitles[] = {
    {"coastline", "&Coastline"},   {"seaareas", "&Sea Areas"},  {"shapefiles", "S&hapefiles"},
    {"kml", "&KML Overlays"},       {"boundaries", "Wind Farm &Boundaries"},
    {"turbines", "Wind &Turbines"}, {"wrecks", "&Wrecks and Obstructions"},
};

QString TitleOf(const chart::ChartLayer& layer) {
  for (const LayerTitle& t : kLayerTitles)
    if (t.layer == layer.Name()) return QString::fromUtf8(t.title);
  return QString::fromUtf8(layer.Name());
}

}  // namespace

DesktopWindow::DesktopWindow(chart::Chart& chart, CDatum* datum)
    : chart_(chart), chartWidget_(new ChartWidget(chart, datum, this)), readout_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Overlays"));
  setCentralWidget(chartWidget_);
  statusBar()->addWidget(readout_, 1);
  connect(chartWidget_, &ChartWidget::CursorMoved, readout_, &QLabel::setText);
  // Home waits for the window's first layout, which sizes the chart.
  if (!LoadChartSettings(chart_)) QTimer::singleShot(0, this, &DesktopWindow::ShowHome);
  AddFileMenu();
  AddViewMenu();
  // The module's dialogs are added here once they show on screen.
  overlaysMenu_ = menuBar()->addMenu(QStringLiteral("&Overlays"));
  resize(1100, 800);
  chartWidget_->setFocus();
}

void DesktopWindow::AddFileMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

void DesktopWindow::AddViewMenu() {
  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->addAction(QStringLiteral("Zoom &In"), QKeySequence::ZoomIn, chartWidget_, &ChartWidget::ZoomIn);
  view->addAction(QStringLiteral("Zoom &Out"), QKeySequence::ZoomOut, chartWidget_, &ChartWidget::ZoomOut);
  view->addAction(QStringLiteral("&British Isles"), QKeySequence(Qt::CTRL | Qt::Key_Home), this,
                  &DesktopWindow::ShowHome);
  view->addSeparator();
  for (const auto& layer : chart_.Layers()) {
    QAction* toggle = view->addAction(TitleOf(*layer));
    toggle->setCheckable(true);
    toggle->setChecked(layer->visible);
    chart::ChartLayer* target = layer.get();
    connect(toggle, &QAction::toggled, this, [this, target](bool on) {
      target->visible = on;
      chartWidget_->update();
    });
  }
}

// Where every overlay of the sample data lies, and where a new user starts.
void DesktopWindow::ShowHome() {
  chart_.View().SetViewport(chartWidget_->size());
  chart_.View().FitBounds({49 * kRadiansPerDegree, -11 * kRadiansPerDegree}, {61 * kRadiansPerDegree, 4 * kRadiansPerDegree});
  chartWidget_->update();
}

void DesktopWindow::closeEvent(QCloseEvent* event) {
  SaveChartSettings(chart_);
  event->accept();
}

}  // namespace desktop
