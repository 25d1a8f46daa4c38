// The window that spares the search its geodesics: every point that the
// auxiliary sphere method puts within reach of the centre must pass it.
// Points are placed with GeographicLib's exact direct solution just inside
// and just outside the circle (1 mm either side: the method's distance is
// good to 2 mm, so which side it puts them on is its own call, and the
// window must follow whatever it says), near the poles and across 180
// degrees. The search over a random database, window and all, is checked
// against measuring every record in tests/wrecks/WreckSearch_test.cpp.

#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>

#include <cmath>
#include <limits>
#include <numbers>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/geodesic/GeodesicInverse.h"
#include "geodesy/geodesic/GeodesicWindow.h"

namespace {

constexpr double kRadians = std::numbers::pi / 180;

struct Point {
  double lat, lon;  // radians
};

Point Direct(double latDeg, double lonDeg, double azimuthDeg, double metres) {
  double lat = 0, lon = 0;
  GeographicLib::Geodesic::WGS84().Direct(latDeg, lonDeg, azimuthDeg, metres, lat, lon);
  return {lat * kRadians, lon * kRadians};
}

// Within reach by the method the search uses; false when it gives no answer.
bool WithinReach(const CSpheroid& s, Point c, Point p, double reach) {
  double distance = 0;
  return s.GeodesicInverse(c.lat, c.lon, p.lat, p.lon, &distance, nullptr) && distance <= reach;
}

struct Centre {
  const char* where;
  double latDeg, lonDeg, reach;
  bool bounded;  // the window is shut far beyond the circle (no pole inside it)
};

constexpr Centre kCentres[] = {
    {"southern North Sea, 10 NM", 52.5, 3.0, 18520, true},
    {"equator, 1 NM", 0, 0, 1852, true},
    {"across 180, 27 NM", 60, 179.99, 50000, true},
    {"west of 180, 27 NM", -40, -179.95, 50000, true},
    {"a circle over the north pole", 89.9, 45, 20000, false},
    {"a circle short of the south pole", -89.5, -120, 18520, true},
    {"the largest radius the dialog takes", -30, 100, 9999.99 * 1852, false},
};

TEST(GeodesicWindow, EveryPointOnEitherSideOfTheCircleThatIsWithinReachPasses) {
  const CSpheroid wgs84;
  for (const Centre& c : kCentres) {
    SCOPED_TRACE(c.where);
    const Point centre{c.latDeg * kRadians, c.lonDeg * kRadians};
    const CGeodesicWindow window(wgs84, centre.lat, centre.lon, c.reach);
    int inside = 0;
    for (double azimuth = 0; azimuth < 360; azimuth += 2.5) {
      for (double metres : {c.reach - 1e-3, c.reach + 1e-3}) {
        const Point p = Direct(c.latDeg, c.lonDeg, azimuth, metres);
        if (!WithinReach(wgs84, centre, p, c.reach)) continue;
        ++inside;
        EXPECT_TRUE(window.MayReach(p.lat, p.lon)) << azimuth << " deg, " << metres << " m";
      }
      const Point far = Direct(c.latDeg, c.lonDeg, azimuth, 3 * c.reach);
      if (c.bounded) {
        EXPECT_FALSE(window.MayReach(far.lat, far.lon)) << "3 x reach at " << azimuth << " deg";
      }
    }
    // Not a vacuous test: at least the points 1 mm inside are within reach
    // (on the longest lines the method errs by up to 1.6 mm, so not all).
    EXPECT_GE(inside, 120);
  }
}

// What the proof does not cover passes, for the geodesic to decide.
TEST(GeodesicWindow, OpensForWhatTheBoundDoesNotCover) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  CSpheroid normalSection;
  normalSection.method = kNormalSectionMethod;
  const CSpheroid wgs84;
  struct Case {
    const char* what;
    const CSpheroid& ellipsoid;
    Point centre, point;
  };
  const Case cases[] = {
      {"the normal section method, at the antipode", normalSection, {0.9, 0.1}, {-0.9, 0.1 - std::numbers::pi}},
      {"a latitude beyond the pole", wgs84, {0.9, 0.1}, {100, 0.1}},
      {"a latitude that is not a number", wgs84, {0.9, 0.1}, {nan, 0.1}},
      {"a longitude that is not finite", wgs84, {0.9, 0.1}, {0.9, inf}},
      {"a centre beyond the pole", wgs84, {2, 0.1}, {-0.9, -3}},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(CGeodesicWindow(c.ellipsoid, c.centre.lat, c.centre.lon, 1852).MayReach(c.point.lat, c.point.lon))
        << c.what;
}

}  // namespace
