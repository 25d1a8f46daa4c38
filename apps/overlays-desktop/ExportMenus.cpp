#include "ExportMenus.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenuBar>
#include <QMouseEvent>

#include <map>
#include <stdexcept>

#include "AngleFormatDialog.h"
#include "DatumDialog.h"
#include "GridDialog.h"
#include "WreckPicking.h"
#include "frame/Exports.h"
#include "platform/ui/FileDialog.h"

namespace desktop {
namespace {

struct MenuItem {
  const char* menu;
  const char* title;  // empty: a separator
  void (ExportMenus::*run)();
};

// In the order they appear; the File menu's come before its Quit.
constexpr MenuItem kMenuItems[] = {
    {"&File", "Install &Overlays...", &ExportMenus::InstallOverlaysPackages},
    {"&File", "Install &Wrecks...", &ExportMenus::InstallWreckDatabase},
    {"&File", "Install Wind &Farms...", &ExportMenus::InstallWindFarmPackage},
    {"&File", "", nullptr},
    {"&Wrecks", "&Load Wrecks", &ExportMenus::LoadWreckDatabase},
    {"&Wrecks", "Wreck &Search...", &ExportMenus::SearchWrecks},
    {"&Overlays", "&KML Files...", &ExportMenus::ChooseKmlFiles},
    {"&Overlays", "&Shape Files...", &ExportMenus::ChooseShapeFiles},
    {"&Overlays", "&Add Shape File...", &ExportMenus::AddShapeFileFromDialog},
    {"&Overlays", "&Reload Shape Files", &ExportMenus::ReloadShapeFiles},
    {"Wind &Farms", "&Settings...", &ExportMenus::EditWindFarmSettings},
    {"Wind &Farms", "&Turbines...", &ExportMenus::ShowTurbines},
    {"Wind &Farms", "&Boundary Coordinates...", &ExportMenus::ShowBoundaryCoordinates},
    {"Wind &Farms", "&Find Wind Farm by Turbines...", &ExportMenus::FindTurbineFarm},
    {"Wind &Farms", "Find Wind Farm by B&oundary...", &ExportMenus::FindBoundaryFarm},
    {"&Sea Areas", "&Setup...", &ExportMenus::SetUpSeaAreas},
    {"&Position", "&Angle Format...", &ExportMenus::ChooseAngleFormat},
    {"&Position", "&Datum...", &ExportMenus::ChooseDatum},
    {"&Position", "&Grid...", &ExportMenus::ChooseGrid},
};

// A click that moves less than this is a click, not the start of a drag.
constexpr double kClickSlopPixels = 3;

QMenu& MenuTitled(QMenuBar& bar, const QString& title) {
  for (QAction* action : bar.actions())
    if (action->menu() && action->text() == title) return *action->menu();
  return *bar.addMenu(title);
}

ChartWidget& ChartOf(QMainWindow& window) {
  auto* chart = qobject_cast<ChartWidget*>(window.centralWidget());
  if (!chart) throw std::logic_error("the main window shows no chart");
  return *chart;
}

}  // namespace

ExportMenus::ExportMenus(QMainWindow& window, chart::Chart& chart, DesktopLists& lists, const PositionChoice& position)
    : QObject(&window),
      chart_(chart),
      lists_(lists),
      chartWidget_(ChartOf(window)),
      redrawWindow_([this] { RedrawChart(); }),
      position_(position) {
  ApplyPositionChoice(lists_.position, position_);
  AddMenus(window);
  contextMenu_.addAction(QStringLiteral("Wreck &Search Here..."), this, &ExportMenus::SearchWrecks);
  chartWidget_.installEventFilter(this);
}

void ExportMenus::AddMenus(QMainWindow& window) {
  QMenuBar& bar = *window.menuBar();
  // What a menu held before ours: ours go above it.
  std::map<QMenu*, QAction*> firstOfHost;
  for (const MenuItem& item : kMenuItems) {
    QMenu& menu = MenuTitled(bar, QString::fromUtf8(item.menu));
    const auto [first, added] = firstOfHost.try_emplace(&menu, menu.actions().value(0));
    QAction* action = new QAction(QString::fromUtf8(item.title), &menu);
    if (*item.title)
      connect(action, &QAction::triggered, this, item.run);
    else
      action->setSeparator(true);
    menu.insertAction(first->second, action);
  }
}

void ExportMenus::RedrawChart() { chartWidget_.update(); }

chart::GeoPosition ExportMenus::SearchCentre() const {
  if (rightClicked_) return *rightClicked_;
  return chart_.Projection().Inverse(chart_.View().Centre());
}

void ExportMenus::InstallOverlaysPackages() {
  InstallOverlays();
  LoadWreckDatabase();
  lists_.LoadWindFarms();
  RedrawChart();
}

void ExportMenus::InstallWreckDatabase() {
  InstallWrecks();
  LoadWreckDatabase();
}

void ExportMenus::InstallWindFarmPackage() {
  InstallWindFarms();
  lists_.LoadWindFarms();
  RedrawChart();
}

// The records belong to the host. The wreck layer looks at the emptied
// list once, so that a new load whose records land at the old addresses is
// not taken for the old one.
void ExportMenus::ForgetWrecks() {
  lists_.lists.searchList.RemoveAll();
  for (WreckDef* record : lists_.lists.wrecks.records) delete record;
  lists_.lists.wrecks.RemoveAll();
  chart_.RenderImage(QSize(1, 1));
}

// The loading thread fills the list while the progress dialog shows, so
// the wrecks stay off the chart until it has finished.
void ExportMenus::LoadWreckDatabase() {
  ForgetWrecks();
  chart::ChartLayer* layer = chart_.FindLayer("wrecks");
  const bool wasVisible = layer && layer->visible;
  if (layer) layer->visible = false;
  LoadingWrecks(&lists_.lists.wrecks, &lists_.lists.searchList);
  if (layer) layer->visible = wasVisible;
  RedrawChart();
}

void ExportMenus::SearchWrecks() {
  const chart::GeoPosition centre = SearchCentre();
  CWreckList& searchList = lists_.lists.searchList;
  searchList.centreLatitude = centre.lat;
  searchList.centreLongitude = centre.lon;
  tagXY position{centre.lon, centre.lat};
  WreckFinder(&lists_.lists.wrecks, &searchList, &lists_.datum, position);
  RedrawChart();
}

bool ExportMenus::ShowWreckAt(QPointF screen) {
  const chart::ChartLayer* layer = chart_.FindLayer("wrecks");
  if (layer && !layer->visible) return false;
  WreckDef* record = WreckAt(lists_.lists.wrecks, lists_.lists.searchList, chart_.View(), screen);
  if (!record) return false;
  DisplayWreckProperties(record, &lists_.datum);
  return true;
}

void ExportMenus::ChooseKmlFiles() {
  KMLLoad(&lists_.lists.kml);
  RedrawChart();
}

void ExportMenus::ChooseShapeFiles() {
  ShapeLoad(&lists_.lists.shapes);
  RedrawChart();
}

void ExportMenus::AddShapeFileFromDialog() {
  CFileDialog dialog(FileDialogMode::Open, "shp", "", OFN_HIDEREADONLY,
                     "Shape Files (*.shp)|*.shp|");
  if (dialog.DoModal() != IDOK) return;
  AddShapeFile(dialog.GetPathName().c_str(), &lists_.lists.shapes);
  RedrawChart();
}

// Every remembered file read again, each behind its progress dialog.
void ExportMenus::ReloadShapeFiles() {
  CShapeFileList& shapes = lists_.lists.shapes;
  // Removing a shape forgets its name too; the names are what is read.
  const CFileNameList remembered = shapes.names;
  while (shapes.GetCount()) shapes.RemoveAt(shapes.GetCount() - 1);
  shapes.names = remembered;
  LoadShapeFiles(&shapes);
  RedrawChart();
}

void ExportMenus::EditWindFarmSettings() {
  WindFarmSettings(&lists_.lists.turbines, &lists_.lists.boundaries);
  RedrawChart();
}

void ExportMenus::ShowTurbines() {
  TurbineProperties(&lists_.lists.turbines, &lists_.datum, true);
  RedrawChart();
}

void ExportMenus::ShowBoundaryCoordinates() {
  WindFarmBoundaryCoordinates(&lists_.lists.boundaries, &lists_.datum, true);
  RedrawChart();
}

void ExportMenus::CentreOn(const tagXY& point) {
  chart_.View().CentreOn({point.y, point.x});
  RedrawChart();
}

void ExportMenus::FindTurbineFarm() {
  tagXY point;
  if (FindWindFarm(&lists_.lists.turbines, point)) CentreOn(point);
}

void ExportMenus::FindBoundaryFarm() {
  tagXY point;
  if (FindWindFarm(&lists_.lists.boundaries, point)) CentreOn(point);
}

void ExportMenus::SetUpSeaAreas() {
  SeaAreasSetup(&redrawWindow_, &lists_.lists.seaAreas);
  RedrawChart();
}

void ExportMenus::ChooseAngleFormat() {
  AngleFormatDialog dialog(&chartWidget_);
  if (dialog.exec() == QDialog::Accepted) dialog.Save();
  RedrawChart();
}

// The chosen datum and grid become the host's at once, and stay chosen for
// the next run.
void ExportMenus::ApplyPosition(const PositionChoice& choice) {
  position_ = choice;
  ApplyPositionChoice(lists_.position, position_);
  SavePositionChoice(position_);
  RedrawChart();
}

// The dialog offers one part of the choice, starting from the current one.
template <class Dialog, class Part>
void ExportMenus::ChoosePositionPart(Part PositionChoice::*part) {
  Dialog dialog(position_.*part, &chartWidget_);
  if (dialog.exec() != QDialog::Accepted) return;
  PositionChoice choice = position_;
  choice.*part = dialog.Choice();
  ApplyPosition(choice);
}

void ExportMenus::ChooseDatum() { ChoosePositionPart<DatumDialog>(&PositionChoice::datum); }

void ExportMenus::ChooseGrid() { ChoosePositionPart<GridDialog>(&PositionChoice::grid); }

bool ExportMenus::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &chartWidget_) return false;
  const auto* mouse = dynamic_cast<QMouseEvent*>(event);
  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) pressedAt_ = mouse->position();
  if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton && pressedAt_) {
    const bool still = (mouse->position() - *pressedAt_).manhattanLength() <= kClickSlopPixels;
    pressedAt_.reset();
    if (still) ShowWreckAt(mouse->position());
  }
  if (event->type() == QEvent::ContextMenu) {
    const auto* context = static_cast<QContextMenuEvent*>(event);
    rightClicked_ = chart_.View().PositionAt(context->pos());
    contextMenu_.popup(context->globalPos());
    return true;
  }
  return false;
}

}  // namespace desktop
