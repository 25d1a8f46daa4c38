// overlays geodesic LAT1 LON1 LAT2 LON2: the distance in metres and the
// azimuth at the first point in degrees, on one line.

#include <cstdio>

#include "Host.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace host {
namespace {

// The module's own conversion constants, as everywhere in its geodesy.
constexpr double kRadiansPerDegree = 0.017453292519943;
constexpr double kDegreesPerRadian = 57.2957795131;

struct GeodesicArguments {
  std::vector<double> points;  // lat1 lon1 lat2 lon2, degrees
  int method = 0;
  unsigned ellipsoid = kWgs1984Row;
};

void PrintGeodesic(const GeodesicArguments& args) {
  CSpheroid s;
  if (!s.SelectSpheroid(args.ellipsoid))
    throw CommandError("there is no ellipsoid row " + std::to_string(args.ellipsoid) + " (rows are 0 to 52)");
  s.method = args.method;
  const auto& p = args.points;
  double distance = 0, azimuth = 0;
  if (!s.GeodesicInverse(p[0] * kRadiansPerDegree, p[1] * kRadiansPerDegree, p[2] * kRadiansPerDegree,
                         p[3] * kRadiansPerDegree, &distance, &azimuth))
    throw CommandError("the geodesic between these points did not settle (they are nearly antipodal)");
  std::printf("%.4f %.9f\n", distance, azimuth * kDegreesPerRadian);
}

}  // namespace

void AddGeodesicCommand(CLI::App& app, const Options&) {
  auto* cmd = app.add_subcommand(
      "geodesic", "Distance (m) and azimuth at the first point (degrees) between two positions in degrees");
  static GeodesicArguments args;
  cmd->add_option("LAT1 LON1 LAT2 LON2", args.points, "Both positions, degrees (south and west negative)")
      ->expected(4)
      ->required()
      ->allow_extra_args(false);
  cmd->add_option("--method", args.method, "0 auxiliary sphere (any length), 1 short-line normal section")
      ->check(CLI::IsMember({0, 1}));
  cmd->add_option("--ellipsoid", args.ellipsoid, "Row of the ellipsoid table (see 'overlays ellipsoids')")
      ->check(CLI::Range(0u, static_cast<unsigned>(kEllipsoidTable.size() - 1)));
  cmd->callback([] {
    for (std::size_t i = 0; i < 4; i += 2)
      if (args.points[i] < -90 || args.points[i] > 90) throw CommandError("latitudes must lie within -90 to 90 degrees");
    PrintGeodesic(args);
  });
}

}  // namespace host
