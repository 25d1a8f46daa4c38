// The desktop host's chart working with the module's dialogs: a click on a
// wreck symbol opens that record's properties, the wreck search starts
// from a point of the chart, the sea areas dialog's redraw request repaints
// the chart while the dialog is open, and finding a wind farm centres the
// chart on it.

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "desktop/DesktopHost.h"
#include "geodesy/angle/AngleText.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Dialog.h"
#include "seaareas/SeaAreasResources.h"
#include "windfarm/WindFarmResources.h"
#include "wrecks/WreckResources.h"

namespace {

using chart::GeoPosition;
using desktop_test::DesktopHost;
using platform::ui::Driver;
using platform::ui::ModalTurn;

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr int kLatitudeKind = 5, kLongitudeKind = 6;
// Harbour scale: wrecks a few hundred metres apart are far apart on screen.
constexpr double kHarbourMetresPerPixel = 5;
// The centre the chart is put on is the point asked for, to far less than
// a millimetre: a round trip through the module's Mercator.
constexpr double kCentreTolerance = 1e-10;  // radians
// The search dialog shows minutes to seven decimals: 2e-11 radians.
constexpr double kAngleTextTolerance = 1e-10;

QPointF Middle(const QWidget& widget) { return {widget.width() / 2.0, widget.height() / 2.0}; }

GeoPosition PositionOf(const WreckDef& record) { return {record.data.latitude, record.data.longitude}; }

GeoPosition ChartCentre(const DesktopHost& host) { return host.chart.Projection().Inverse(host.chart.View().Centre()); }

// Counts the chart's paints.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

// A dialog that nothing ends in time ends here, so that a broken path fails
// instead of hanging.
constexpr int kPatienceMs = 10000;
// Long enough for a shown dialog's activation to have been handled.
constexpr int kSettleMs = 300;

struct ClickCase {
  const char* name;
  QPointF offset;  // from the record's symbol, pixels
  bool showWrecks, showObstructions;
  bool opens;
};

const ClickCase kClicks[] = {
    {"on the symbol", {0, 0}, true, true, true},
    {"at the symbol's edge", {6, -5}, true, true, true},
    {"beside the symbol", {20, 0}, true, true, false},
    {"on a symbol its show flag hides", {0, 0}, false, false, false},
};

TEST(DesktopMenusChart, AClickOnAWreckOpensItsProperties) {
  for (const ClickCase& c : kClicks) {
    SCOPED_TRACE(c.name);
    DesktopHost host;
    host.lists.lists.searchList.showWrecks = c.showWrecks;
    host.lists.lists.searchList.showObstructions = c.showObstructions;
    const WreckDef& record = *host.lists.lists.wrecks.GetAt(0);
    host.chart.View().SetMetresPerPixel(kHarbourMetresPerPixel);
    host.chart.View().CentreOn(PositionOf(record));
    std::optional<std::string> caption;
    platform::ui::ScopedAutomation hook([&](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      caption = d.Caption();
      EXPECT_TRUE(host.session.WidgetOf(d.Dialog()).isVisible());
      host.Screenshot(d.Dialog(), "wreck-properties");
      d.End(IDCANCEL);
    });
    QTest::mouseClick(&host.Chart(), Qt::LeftButton, {}, (Middle(host.Chart()) + c.offset).toPoint());
    EXPECT_EQ(caption.has_value(), c.opens);
    if (c.opens && caption) {
      EXPECT_EQ(*caption, "Wreck ID " + std::to_string(record.data.wreckId));
    }
  }
}

struct SearchCase {
  const char* name;
  std::optional<QPoint> rightClick;  // none: the search starts at the chart's centre
};

const SearchCase kSearches[] = {
    {"from the point right-clicked", QPoint(130, 90)},
    {"from the chart's centre", std::nullopt},
};

TEST(DesktopMenusChart, TheWreckSearchStartsFromAPointOfTheChart) {
  for (const SearchCase& c : kSearches) {
    SCOPED_TRACE(c.name);
    DesktopHost host;
    desktop::ChartWidget& widget = host.Chart();
    const QPointF at = c.rightClick ? QPointF(*c.rightClick) : Middle(widget);
    const GeoPosition expected = host.chart.View().PositionAt(at);
    std::optional<double> lat, lon;
    platform::ui::ScopedAutomation hook([&](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      lat = TryParseAngle(d.Text(IDC_CENTRE_LATITUDE), kLatitudeKind);
      lon = TryParseAngle(d.Text(IDC_CENTRE_LONGITUDE), kLongitudeKind);
      host.Screenshot(d.Dialog(), "wreck-search-here");
      d.End(IDCANCEL);
    });
    if (c.rightClick) {
      QContextMenuEvent event(QContextMenuEvent::Mouse, *c.rightClick, widget.mapToGlobal(*c.rightClick));
      QApplication::sendEvent(&widget, &event);
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr) << "no context menu";
      QAction* search = menu->actions().value(0);
      menu->close();
      search->trigger();
    } else {
      host.Action("Wrecks", "Wreck Search...").trigger();
    }
    ASSERT_TRUE(lat && lon) << "the dialog's position fields do not read as angles";
    EXPECT_NEAR(*lat, expected.lat, kAngleTextTolerance);
    EXPECT_NEAR(*lon, expected.lon, kAngleTextTolerance);
  }
}

TEST(DesktopMenusChart, TheSeaAreasRedrawRequestRepaintsTheChart) {
  DesktopHost host;
  CSeaAreas& seaAreas = host.lists.lists.seaAreas;
  seaAreas.activeArea = kNoActiveArea;
  seaAreas.display = 1;
  // Inside the Plymouth area, at a scale where it fills the chart.
  host.chart.View().CentreOn({49.0 * kRadiansPerDegree, -5.5 * kRadiansPerDegree});
  host.chart.View().SetMetresPerPixel(1500);
  desktop::ChartWidget& widget = host.Chart();
  const QPoint probe = Middle(widget).toPoint();
  const QRgb before = widget.grab().toImage().pixel(probe);
  PaintCounter counter(widget);
  int paintsAtChoice = -1;
  bool repaintedWhileOpen = false;
  CDialog* open = nullptr;
  QTimer patience, settled;
  patience.setSingleShot(true);
  settled.setSingleShot(true);
  QObject::connect(&patience, &QTimer::timeout, [&open] { open->EndDialog(IDCANCEL); });
  // The highlight is chosen once the dialog's own showing (which may repaint
  // the window behind it) is over, so that only the request repaints.
  QObject::connect(&settled, &QTimer::timeout, [&] {
    paintsAtChoice = counter.paints;
    Driver(*open, ModalTurn::Idle).Choose(IDC_SEA_AREAS_HIGHLIGHT, "Plymouth");
  });
  platform::ui::ScopedAutomation hook([&](Driver& d) {
    if (d.Turn() == ModalTurn::Started) {
      open = &d.Dialog();
      patience.start(kPatienceMs);
      settled.start(kSettleMs);
      return;
    }
    if (d.Turn() == ModalTurn::Idle && paintsAtChoice >= 0 && counter.paints > paintsAtChoice) {
      repaintedWhileOpen = true;
      host.Screenshot(d.Dialog(), "sea-areas-redraw");
      d.End(IDOK);
    }
  });
  host.Action("Sea Areas", "Setup...").trigger();
  patience.stop();
  EXPECT_TRUE(repaintedWhileOpen) << "the chart was not repainted while the dialog was open";
  const QRgb after = widget.grab().toImage().pixel(probe);
  EXPECT_NE(before, after) << "the highlight did not change the chart";
}

// The middle of a farm's turbines, as a chart centres on a farm.
GeoPosition MiddleOf(const WindFarmDef& farm) {
  auto [west, east] = std::minmax_element(farm.turbines.begin(), farm.turbines.end(),
                                          [](const auto& a, const auto& b) { return a.position.x < b.position.x; });
  auto [south, north] = std::minmax_element(farm.turbines.begin(), farm.turbines.end(),
                                            [](const auto& a, const auto& b) { return a.position.y < b.position.y; });
  return {(south->position.y + north->position.y) / 2, (west->position.x + east->position.x) / 2};
}

struct FindCase {
  const char* action;
  // The farm's name and where the chart should centre on it.
  std::function<std::pair<std::string, GeoPosition>(const chart::HostLists&)> farm;
  std::function<std::int32_t(const chart::HostLists&)> chosen;
};

const FindCase kFinds[] = {
    {"Find Wind Farm by Turbines...",
     [](const chart::HostLists& lists) {
       const WindFarmDef& farm = lists.turbines.farms.back();
       return std::make_pair(farm.name, MiddleOf(farm));
     },
     [](const chart::HostLists& lists) { return lists.turbines.index; }},
    {"Find Wind Farm by Boundary...",
     [](const chart::HostLists& lists) {
       const auto& farm = lists.boundaries.farms.back();
       return std::make_pair(farm.name, GeoPosition{farm.centre.y, farm.centre.x});
     },
     [](const chart::HostLists& lists) { return lists.boundaries.index; }},
};

TEST(DesktopMenusChart, FindingAWindFarmCentresTheChartOnIt) {
  for (const FindCase& c : kFinds) {
    SCOPED_TRACE(c.action);
    DesktopHost host;
    const auto [name, expected] = c.farm(host.lists.lists);
    platform::ui::ScopedAutomation hook([&](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      d.Choose(IDC_WIND_FARM_LIST, name);
      d.Click(IDOK);
    });
    host.Action("Wind Farms", c.action).trigger();
    const GeoPosition centre = ChartCentre(host);
    EXPECT_NEAR(centre.lat, expected.lat, kCentreTolerance);
    EXPECT_NEAR(centre.lon, expected.lon, kCentreTolerance);
    EXPECT_GT(c.chosen(host.lists.lists), 0) << "the farm did not become the chosen one";
  }
}

}  // namespace
