#pragma once
// The menus that open the module's dialogs on the host's lists: every
// export of the module a click away. Each action calls its export on the
// lists the chart draws, then has the chart drawn again; what the module
// keeps between runs it saves itself, as it does for any charting host.
//
// The chart takes part too: a click on a wreck symbol opens the record's
// properties, and a right-click offers the wreck search from that point.

#include <QMainWindow>
#include <QMenu>
#include <QObject>
#include <QPointF>

#include <optional>

#include "ChartRedrawWindow.h"
#include "ChartWidget.h"
#include "DesktopLists.h"
#include "PositionChoice.h"
#include "chart/Chart.h"
#include "chart/MercatorProjection.h"

namespace desktop {

class ExportMenus : public QObject {
  Q_OBJECT

 public:
  // Adds the menus to `window`, whose central widget is the chart, and
  // points the host's datum object at `position`.
  ExportMenus(QMainWindow& window, chart::Chart& chart, DesktopLists& lists, const PositionChoice& position);

  // Where the wreck search starts: the point last right-clicked on the
  // chart, else the chart's centre.
  chart::GeoPosition SearchCentre() const;

  void InstallOverlaysPackages();
  void InstallWreckDatabase();
  void InstallWindFarmPackage();
  void LoadWreckDatabase();
  void SearchWrecks();
  void ChooseKmlFiles();
  void ChooseShapeFiles();
  void AddShapeFileFromDialog();
  void ReloadShapeFiles();
  void EditWindFarmSettings();
  void ShowTurbines();
  void ShowBoundaryCoordinates();
  void FindTurbineFarm();
  void FindBoundaryFarm();
  void SetUpSeaAreas();
  // The host's own choices of how positions show.
  void ChooseAngleFormat();
  void ChooseDatum();
  void ChooseGrid();
  // The properties of the wreck under a point of the chart, if any; true
  // when there was one.
  bool ShowWreckAt(QPointF screen);

 protected:
  // Clicks on the chart (a press and release in one place) and right-clicks.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddMenus(QMainWindow& window);
  void RedrawChart();
  void CentreOn(const tagXY& point);
  void ForgetWrecks();
  void ApplyPosition(const PositionChoice& choice);
  template <class Dialog, class Part>
  void ChoosePositionPart(Part PositionChoice::*part);

  chart::Chart& chart_;
  DesktopLists& lists_;
  ChartWidget& chartWidget_;
  ChartRedrawWindow redrawWindow_;
  PositionChoice position_;
  QMenu contextMenu_;
  std::optional<QPointF> pressedAt_;
  std::optional<chart::GeoPosition> rightClicked_;
};

}  // namespace desktop
