// The desktop host's position choice as its settings file holds it: a
// datum and grid the tables hold give the read-out's easting and northing
// (PROJ is the oracle), and whatever else the file holds (nothing, a
// family, row or grid that does not exist, words for numbers) leaves the
// read-out at latitude and longitude without failing. And the Position
// menu's dialogs, worked as a user works them, change the read-out.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <proj.h>

#include "PositionChoice.h"
#include "desktop/DesktopHost.h"
#include "geodesy/angle/AngleText.h"
#include "chart/CursorReadout.h"
#include "frame/ConfigFile.h"
#include "support/TestMachine.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
const chart::GeoPosition kPlymouth{50.365 * kRadiansPerDegree, -4.1425 * kRadiansPerDegree};

std::string Settings(const std::string& datum, const std::string& grid) {
  return "Datum = " + datum + "\nGrid = " + grid + "\n";
}

// PROJ's WGS 1984 UTM zone 30 north of a latitude and longitude in degrees.
PJ_COORD Utm30(double latDegrees, double lonDegrees) {
  PJ* utm = proj_create_crs_to_crs(nullptr, "EPSG:4326", "EPSG:32630", nullptr);
  EXPECT_NE(utm, nullptr);
  const PJ_COORD grid = proj_trans(utm, PJ_FWD, proj_coord(latDegrees, lonDegrees, 0, 0));
  proj_destroy(utm);
  return grid;
}

struct ChoiceCase {
  const char* name;
  std::optional<std::string> file;  // none: no settings file
  bool onUtm30;                     // else no grid position at all
};

const ChoiceCase kChoices[] = {
    {"no settings file", std::nullopt, false},
    {"UTM zone 30 north, grid to grid on WGS 1984", Settings("0:0", "0:30:0"), true},
    {"a family beyond the tables", Settings("42:0", "0:30:0"), false},
    {"a row beyond its family", Settings("1:9999", "0:30:0"), false},
    {"a negative row", Settings("1:-1", "0:30:0"), false},
    {"a grid kind beyond the catalogue", Settings("0:0", "99:0:0"), false},
    {"a zone beyond the UTM list", Settings("0:0", "0:4000000000:0"), false},
    {"a number too large to hold", Settings("0:99999999999999999999", "0:30:0"), false},
    {"cut short before the grid", std::string("Datum = 0:0\n"), false},
    {"words for numbers", Settings("zero:one", "0:30:0"), false},
    {"a direction other than reverse", Settings("0:0:sideways", "0:30:0"), false},
};

TEST(DesktopMenusPosition, TheSavedChoiceGivesTheReadoutsGridOrNone) {
  const PJ_COORD expected = Utm30(50.365, -4.1425);
  for (const ChoiceCase& c : kChoices) {
    SCOPED_TRACE(c.name);
    testing_support::TestMachine machine;
    if (c.file) machine.Write(CConfigFile().GetFilePath(desktop::kPositionSettingsGroup), *c.file);
    host::DatumHost holder;
    desktop::ApplyPositionChoice(holder, desktop::LoadPositionChoice());
    const std::string text = chart::GridText(kPlymouth, &holder.datum).toStdString();
    if (!c.onUtm30) {
      EXPECT_EQ(text, "");
      continue;
    }
    double easting = 0, northing = 0;
    ASSERT_EQ(std::sscanf(text.c_str(), "E %lf N %lf", &easting, &northing), 2) << text;
    // The read-out rounds to whole metres.
    EXPECT_NEAR(easting, expected.xy.x, 0.5);
    EXPECT_NEAR(northing, expected.xy.y, 0.5);
  }
}

// What the status bar says with the pointer at `at`.
QString ReadOutAt(desktop::ChartWidget& chart, QPointF at) {
  QString said;
  const auto connection =
      QObject::connect(&chart, &desktop::ChartWidget::CursorMoved, [&said](const QString& text) { said = text; });
  QMouseEvent move(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&chart, &move);
  QObject::disconnect(connection);
  return said;
}

// Works the host's own modal dialog once it shows, then presses OK.
void WhenShown(const std::function<void(QWidget& dialog)>& work) {
  QTimer::singleShot(0, [work] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return ADD_FAILURE() << "no dialog shows";
    work(*dialog);
    dialog->accept();
  });
}

template <class Widget>
Widget& Nth(QWidget& dialog, int n) {
  return *dialog.findChildren<Widget*>().at(n);
}

void ChooseRowStarting(QListWidget& list, const QString& start) {
  for (int row = 0; row < list.count(); ++row)
    if (list.item(row)->text().startsWith(start)) return list.setCurrentRow(row);
  ADD_FAILURE() << "no row starts with " << start.toStdString();
}

TEST(DesktopMenusPosition, TheReadOutFollowsThePositionMenusChoices) {
  desktop_test::DesktopHost host;
  desktop::ChartWidget& chart = host.Chart();
  const QPointF at(chart.width() / 2.0, chart.height() / 2.0);
  const chart::GeoPosition position = host.chart.View().PositionAt(at);
  constexpr int kDecimalDegrees = 2, kDecimals = 4;

  WhenShown([](QWidget& dialog) {
    Nth<QComboBox>(dialog, 0).setCurrentIndex(kDecimalDegrees);
    Nth<QSpinBox>(dialog, 0).setValue(kDecimals);
  });
  host.Action("Position", "Angle Format...").trigger();
  const std::string latitude = FormatAngle(position.lat, 5, kDecimalDegrees, kDecimals, 'N');
  EXPECT_TRUE(ReadOutAt(chart, at).startsWith(QString::fromLatin1(latitude.c_str())))
      << ReadOutAt(chart, at).toStdString() << " does not start with " << latitude;

  WhenShown([](QWidget& dialog) {
    Nth<QListWidget>(dialog, 0).setCurrentRow(1);  // family 0: grid to grid on WGS 1984
    Nth<QListWidget>(dialog, 1).setCurrentRow(0);
  });
  host.Action("Position", "Datum...").trigger();
  WhenShown([](QWidget& dialog) { ChooseRowStarting(Nth<QListWidget>(dialog, 0), QStringLiteral("0:30:0 ")); });
  host.Action("Position", "Grid...").trigger();
  const std::string text = ReadOutAt(chart, at).toStdString();
  double easting = 0, northing = 0;
  ASSERT_NE(text.find("E "), std::string::npos) << text;
  ASSERT_EQ(std::sscanf(text.c_str() + text.find("E "), "E %lf N %lf", &easting, &northing), 2) << text;
  const PJ_COORD expected = Utm30(position.lat / kRadiansPerDegree, position.lon / kRadiansPerDegree);
  // The read-out rounds to whole metres.
  EXPECT_NEAR(easting, expected.xy.x, 0.5);
  EXPECT_NEAR(northing, expected.xy.y, 0.5);
  // And the choice is there for the next run.
  EXPECT_EQ(host::GridAddressText(desktop::LoadPositionChoice().grid), "0:30:0");
}

}  // namespace
