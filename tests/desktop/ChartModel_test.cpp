// The chart's model without drawing: the view's moves and conversions
// (with PROJ as the oracle of the plane), the spatial indexes and their
// level of detail against brute force, the scale bar's round lengths and
// the cursor read-out.

#include <gtest/gtest.h>

#include <proj.h>

#include <cmath>
#include <limits>
#include <random>
#include <set>

#include "SampleChart.h"
#include "chart/CellTable.h"
#include "chart/ChartView.h"
#include "chart/CursorReadout.h"
#include "chart/PointIndex.h"
#include "chart/PolylineIndex.h"
#include "chart/ScaleBar.h"
#include "chart/ShapeGeometry.h"
#include "geodesy/angle/AngleSettings.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/datum/Helmert.h"
#include "support/TestMachine.h"

namespace {

using chart::ChartView;
using chart::GeoPosition;
using chart::MercatorProjection;

constexpr double kRadiansPerDegree = 0.017453292519943;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

GeoPosition Degrees(double lat, double lon) { return {lat * kRadiansPerDegree, lon * kRadiansPerDegree}; }

// ---- The view --------------------------------------------------------------

// PROJ's Mercator on WGS 84, the same closed form: the two agree to
// micrometres, so a millimetre catches any wrong constant or axis.
TEST(DesktopView, PlaneIsTheMercatorOfPROJ) {
  PJ_CONTEXT* context = proj_context_create();
  PJ* merc = proj_create(context, "+proj=merc +ellps=WGS84 +lat_ts=0 +lon_0=0 +x_0=0 +y_0=0");
  ASSERT_NE(merc, nullptr);
  const MercatorProjection projection;
  const struct { double lat, lon; } kPositions[] = {{0, 0}, {50.3667, -4.1333}, {-33.86, 151.21}, {84.9, 179.9},
                                                    {-70, -60}};
  for (const auto& p : kPositions) {
    SCOPED_TRACE(testing::Message() << p.lat << " " << p.lon);
    const PJ_COORD expected = proj_trans(merc, PJ_FWD, proj_coord(proj_torad(p.lon), proj_torad(p.lat), 0, 0));
    const QPointF plane = projection.ForwardDegrees(p.lat, p.lon);
    EXPECT_NEAR(plane.x(), expected.xy.x, 1e-3);
    EXPECT_NEAR(plane.y(), expected.xy.y, 1e-3);
    const GeoPosition back = projection.Inverse(plane);
    EXPECT_NEAR(back.lat, p.lat * kRadiansPerDegree, 1e-10);
    EXPECT_NEAR(back.lon, p.lon * kRadiansPerDegree, 1e-10);
  }
  proj_destroy(merc);
  proj_context_destroy(context);
}

// A wheel zoom keeps the chart under the pointer where it is, also when
// the zoom runs into the finest scale.
TEST(DesktopView, ZoomKeepsThePositionUnderThePointer) {
  const MercatorProjection projection;
  const struct { QPointF pointer; double factor; } kZooms[] = {
      {{400, 300}, 2}, {{0, 0}, 1.25}, {{799, 599}, 0.5}, {{123, 456}, 1e6}, {{10, 590}, 0.01}};
  for (const auto& zoom : kZooms) {
    SCOPED_TRACE(testing::Message() << zoom.pointer.x() << "," << zoom.pointer.y() << " x" << zoom.factor);
    ChartView view(projection);
    view.CentreOn(Degrees(50.3, -4.1));
    view.SetMetresPerPixel(50);
    const GeoPosition before = view.PositionAt(zoom.pointer);
    view.ZoomAbout(zoom.pointer, zoom.factor);
    const GeoPosition after = view.PositionAt(zoom.pointer);
    EXPECT_NEAR(after.lat, before.lat, 1e-9);
    EXPECT_NEAR(after.lon, before.lon, 1e-9);
  }
}

TEST(DesktopView, PanMovesTheChartWithThePointer) {
  const MercatorProjection projection;
  for (const QPointF delta : {QPointF(10, 0), QPointF(-250, 40), QPointF(0.5, -0.25)}) {
    ChartView view(projection);
    view.CentreOn(Degrees(50.3, -4.1));
    view.SetMetresPerPixel(20);
    const GeoPosition place = Degrees(50.35, -4.05);
    const QPointF before = view.ScreenOf(place);
    view.Pan(delta);
    const QPointF moved = view.ScreenOf(place) - before;
    EXPECT_NEAR(moved.x(), delta.x(), 1e-6);
    EXPECT_NEAR(moved.y(), delta.y(), 1e-6);
  }
}

TEST(DesktopView, FitShowsTheWholeBoxTightly) {
  const MercatorProjection projection;
  constexpr int kMargin = 16;
  const struct { GeoPosition southWest, northEast; } kBoxes[] = {
      {Degrees(50.30, -4.20), Degrees(50.40, -4.05)},  // Plymouth Sound
      {Degrees(49.5, -11), Degrees(61, 2)},            // the British Isles: tall
      {Degrees(-5, -40), Degrees(5, 40)},              // astride the equator: wide
  };
  for (const auto& box : kBoxes) {
    ChartView view(projection);
    view.FitBounds(box.southWest, box.northEast, kMargin);
    const QPointF low = view.ScreenOf(box.southWest);
    const QPointF high = view.ScreenOf(box.northEast);
    const QRectF inside = QRectF(0, 0, 800, 600).adjusted(kMargin - 1e-6, kMargin - 1e-6, 1e-6 - kMargin, 1e-6 - kMargin);
    EXPECT_TRUE(inside.contains(low) && inside.contains(high)) << low.x() << "," << low.y() << " " << high.x() << "," << high.y();
    // Tight: the box fills the room in one direction.
    const double filled = std::max((high.x() - low.x()) / inside.width(), (low.y() - high.y()) / inside.height());
    EXPECT_NEAR(filled, 1, 1e-6);
  }
}

// Values that would poison every later conversion are refused; the view
// stays usable.
TEST(DesktopView, RefusesWhatWouldPoisonIt) {
  const MercatorProjection projection;
  ChartView view(projection);
  view.CentreOn(Degrees(50, -4));
  view.SetMetresPerPixel(100);
  const QPointF centre = view.Centre();
  for (double scale : {kNaN, kInfinity, -kInfinity, 0.0, -5.0, 1e300}) {
    view.SetMetresPerPixel(scale);
    EXPECT_TRUE(view.MetresPerPixel() >= ChartView::kFinestMetresPerPixel &&
                view.MetresPerPixel() <= ChartView::kCoarsestMetresPerPixel)
        << scale;
    view.SetMetresPerPixel(100);
    view.ZoomAbout({400, 300}, scale);
    EXPECT_EQ(view.MetresPerPixel(), scale > 1 && std::isfinite(scale) ? 100 / std::min(scale, 2000.0) : 100) << scale;
    view.SetMetresPerPixel(100);
  }
  view.SetCentre({kNaN, 0});
  EXPECT_EQ(view.Centre(), centre);
  view.CentreOn(Degrees(90, 0));  // beyond the chart's latitude limit
  EXPECT_NEAR(view.PositionAt({400, 300}).lat, MercatorProjection::kLatitudeLimit, 1e-12);
}

// ---- The indexes -------------------------------------------------------------

// Random walks of 50 m steps over a 400 km square, as dense as a real
// 1:1,000,000 coastline.
std::vector<std::vector<QPointF>> RandomWalks(int lines, int steps) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> start(0, 400000), step(-50, 50);
  std::vector<std::vector<QPointF>> walks(lines);
  for (auto& walk : walks) {
    QPointF at(start(random), start(random));
    for (int s = 0; s < steps; ++s) walk.push_back(at += QPointF(step(random), step(random)));
  }
  return walks;
}

TEST(DesktopIndex, FullDetailHandsOutEveryVertexInViewOnce) {
  const auto walks = RandomWalks(200, 500);
  chart::PolylineIndex index;
  for (const auto& walk : walks) index.Add(walk);
  index.Build();
  for (const QRectF area : {QRectF(100000, 100000, 5000, 5000), QRectF(0, 0, 400000, 400000),
                            QRectF(-5e7, -5e7, 1e8, 1e8), QRectF(250000, 10000, 1, 300000)}) {
    std::set<const QPointF*> pieces;
    std::set<std::pair<double, double>> handed;
    bool twice = false;
    index.Visit(area, 0.1, [&](std::span<const QPointF> piece) {
      twice |= !pieces.insert(piece.data()).second;
      for (const QPointF& p : piece) handed.insert({p.x(), p.y()});
    });
    EXPECT_FALSE(twice);
    for (const auto& walk : walks)
      for (const QPointF& p : walk)
        if (area.contains(p)) {
          ASSERT_TRUE(handed.count({p.x(), p.y()})) << p.x() << "," << p.y();
        }
  }
}

// What a coarse scale hands out shrinks with the scale; at full detail
// nothing is dropped.
TEST(DesktopIndex, CoarseScalesHandOutFewerVertices) {
  chart::PolylineIndex index;
  for (const auto& walk : RandomWalks(100, 2000)) index.Add(walk);
  index.Build();
  const QRectF everything(-1e6, -1e6, 3e6, 3e6);
  const struct { double metresPerPixel, atMost; } kScales[] = {{1000, 0.05}, {100000, 0.001}};
  for (const auto& scale : kScales) {
    const double share = double(index.VerticesVisited(everything, scale.metresPerPixel)) / index.VertexCount();
    EXPECT_LE(share, scale.atMost) << scale.metresPerPixel;
  }
  EXPECT_GE(index.VerticesVisited(everything, 0.1), index.VertexCount());
}

// At a fine scale the view gets exactly the points inside it; at a coarse
// one every point inside has one handed out within a symbol's width.
TEST(DesktopIndex, ThinnedPointsStandForTheirNeighbours) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> coordinate(-200000, 200000);
  std::vector<QPointF> points(20000);
  for (QPointF& p : points) p = {coordinate(random), coordinate(random)};
  chart::PointIndex index;
  index.Build(points);
  const QRectF area(-50000, -80000, 150000, 100000);
  const struct { double metresPerPixel, symbolPixels; } kScales[] = {{0.5, 24}, {400, 24}, {5000, 24}};
  for (const auto& scale : kScales) {
    SCOPED_TRACE(scale.metresPerPixel);
    std::vector<QPointF> handed;
    index.Visit(area, scale.metresPerPixel, scale.symbolPixels, [&](std::uint32_t i) { handed.push_back(points[i]); });
    const double reach = scale.metresPerPixel * scale.symbolPixels;
    std::size_t inside = 0;
    for (const QPointF& p : points) {
      inside += area.contains(p);
      if (!area.adjusted(reach, reach, -reach, -reach).contains(p)) continue;
      const bool near = std::any_of(handed.begin(), handed.end(), [&](QPointF h) {
        return std::abs(h.x() - p.x()) < reach && std::abs(h.y() - p.y()) < reach;
      });
      ASSERT_TRUE(near) << p.x() << "," << p.y();
    }
    if (reach < 500) {
      EXPECT_EQ(handed.size(), inside);
    }
  }
}

// Boxes a cell table meets in real files: one over everything, one far
// outside the bounds it was built on, a vertical segment (no width), a
// point, and one that is not a number (never found, never a crash).
TEST(DesktopIndex, CellTableReportsEachItemOnce) {
  const std::vector<QRectF> boxes = {QRectF(0, 0, 1000, 1000), QRectF(5e6, 5e6, 10, 10), QRectF(500, 100, 0, 800),
                                     QRectF(250, 250, 0, 0), QRectF(kNaN, kNaN, 1, 1)};
  chart::CellTable table;
  table.Build(QRectF(0, 0, 1000, 1000), boxes, 0.01);
  const struct { QRectF area; std::vector<std::uint32_t> found; } kQueries[] = {
      {QRectF(-1e9, -1e9, 2e9, 2e9), {0, 1, 2, 3}},
      {QRectF(490, 0, 20, 20), {0}},
      {QRectF(490, 400, 20, 20), {0, 2}},
      {QRectF(5e6 + 5, 5e6 + 5, 1, 1), {1}},
      {QRectF(200, 200, 100, 100), {0, 3}},
  };
  for (const auto& query : kQueries) {
    std::vector<std::uint32_t> found;
    table.Query(query.area, boxes, [&](std::uint32_t item) { found.push_back(item); });
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, query.found) << query.area.x() << "," << query.area.y();
  }
}

// Parts as the shapefile library hands them, damaged ones included (starts
// out of order, beyond the vertices, negative), and a line across the
// antimeridian, which must not streak across the chart.
TEST(DesktopShapeGeometry, PartsOnThePlane) {
  const MercatorProjection projection;
  const struct {
    const char* what;
    std::vector<int> starts;
    std::vector<double> lons;
    std::vector<qsizetype> sizes;
  } kCases[] = {
      {"two parts", {0, 3}, {0, 1, 2, 3, 4}, {3, 2}},
      {"no parts", {}, {0, 1, 2}, {3}},
      {"a start beyond the vertices", {0, 9}, {0, 1, 2}, {}},
      {"starts out of order", {2, 1}, {0, 1, 2, 3}, {3}},
      {"a negative start", {-1}, {0, 1}, {}},
      {"across the antimeridian", {0}, {179, 179.5, -179.5, -179}, {2, 2}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    std::vector<int> starts = c.starts;
    std::vector<double> lons = c.lons, lats(c.lons.size(), 50.0);
    SHPObject object{};
    object.nSHPType = SHPT_ARC;
    object.nParts = static_cast<int>(starts.size());
    object.panPartStart = starts.empty() ? nullptr : starts.data();
    object.nVertices = static_cast<int>(lons.size());
    object.padfX = lons.data();
    object.padfY = lats.data();
    const auto parts = chart::PartsOnPlane(
        object, [&](double x, double y) { return projection.ForwardDegrees(y, x); }, 2 * projection.EastLimit());
    std::vector<qsizetype> sizes;
    for (const QPolygonF& part : parts) sizes.push_back(part.size());
    EXPECT_EQ(sizes, c.sizes);
  }
}

// ---- Scale bar and read-out --------------------------------------------------

TEST(DesktopScaleBar, LongestRoundLengthThatFits) {
  const struct {
    double groundMetresPerPixel, maxPixels;
    chart::DistanceUnit unit;
    double metres;
    const char* text;
  } kCases[] = {
      {10, 160, chart::DistanceUnit::NauticalMiles, 926, "0.5 NM"},
      {1, 160, chart::DistanceUnit::NauticalMiles, 100, "100 m"},  // under a tenth of a mile
      {1000, 160, chart::DistanceUnit::NauticalMiles, 50 * 1852, "50 NM"},
      {1000, 160, chart::DistanceUnit::Kilometres, 100000, "100 km"},
      {5, 160, chart::DistanceUnit::Kilometres, 500, "500 m"},
      {12.5, 160, chart::DistanceUnit::Kilometres, 2000, "2 km"},  // exactly fits
      {0, 160, chart::DistanceUnit::Kilometres, 0, ""},
      {kNaN, 160, chart::DistanceUnit::NauticalMiles, 0, ""},
  };
  for (const auto& c : kCases) {
    const chart::ScaleBarLength length = chart::ChooseScaleBar(c.groundMetresPerPixel, c.maxPixels, c.unit);
    EXPECT_NEAR(length.groundMetres, c.metres, 1e-6) << c.text;
    EXPECT_EQ(length.text.toStdString(), c.text);
  }
}

// The read-out follows the user's geographical settings, and shows the
// grid position the host's datum object gives (UTM zone 30 on WGS 84
// here; PROJ's EPSG:32630 is the oracle, within the metre the text shows).
TEST(DesktopReadout, PositionInTheUsersFormatAndOnTheGrid) {
  testing_support::TestMachine machine;
  const GeoPosition plymouth = Degrees(50.365, -4.1425);
  const struct { int format, decimals; const char* text; } kFormats[] = {
      {1, 3, "50\u00B0 21'.900N  004\u00B0 08'.550W"},
      {2, 4, "50\u00B0.3650N  004\u00B0.1425W"},
      {0, 1, "50\u00B0 21' 54\".0N  004\u00B0 08' 33\".0W"},
  };
  for (const auto& f : kFormats) {
    ASSERT_TRUE(SaveGeographicalsSettings({f.format, f.decimals, 'N', 'E'}));
    EXPECT_EQ(chart::PositionText(plymouth).toStdString(), f.text);
  }

  EXPECT_TRUE(chart::GridText(plymouth, nullptr).isEmpty());
  CSpheroid far;
  CGridSystem grid;
  CDatum datum;
  datum.farEllipsoid = &far;
  datum.userGrid = &grid;
  ASSERT_TRUE(SelectGrid(grid, &far, 30, 0, 0));
  ASSERT_TRUE(datum.SetDatum(-1, 0, kForward));
  EXPECT_TRUE(chart::GridText(plymouth, &datum).isEmpty());
  ASSERT_TRUE(datum.SetDatum(0, 0, kForward));
  PJ* utm = proj_create_crs_to_crs(nullptr, "EPSG:4326", "EPSG:32630", nullptr);
  ASSERT_NE(utm, nullptr);
  const PJ_COORD expected = proj_trans(utm, PJ_FWD, proj_coord(50.365, -4.1425, 0, 0));
  proj_destroy(utm);
  double easting = 0, northing = 0;
  ASSERT_EQ(std::sscanf(chart::GridText(plymouth, &datum).toStdString().c_str(), "E %lf N %lf", &easting, &northing), 2);
  EXPECT_NEAR(easting, expected.xy.x, 1);
  EXPECT_NEAR(northing, expected.xy.y, 1);
}

}  // namespace
