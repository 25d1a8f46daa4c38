// overlays helmert LAT LON [H] --shift tX,tY,tZ,rX,rY,rZ,s: one point
// through a datum shift (geocentric on the "from" ellipsoid, the Helmert
// step, back to geographic on the "to" ellipsoid).

#include <cstdio>

#include "Host.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/datum/Geocentric.h"
#include "geodesy/datum/Helmert.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace host {
namespace {

struct HelmertArguments {
  std::vector<double> point;  // lat lon [h], degrees and metres
  std::vector<double> shift;  // tX tY tZ (m), rX rY rZ ("), s (ppm)
  bool coordinateFrame = false;
  bool reverse = false;
  unsigned from = kWgs1984Row;
  unsigned to = kInternationalRow;
};

DatumShiftDef ShiftOf(const HelmertArguments& args) {
  DatumShiftDef p;
  const auto& v = args.shift;
  p.tX = v[0], p.tY = v[1], p.tZ = v[2], p.rX = v[3], p.rY = v[4], p.rZ = v[5], p.s = v[6];
  p.convention = args.coordinateFrame ? kCoordinateFrame : kPositionVector;
  return p;
}

void PrintShifted(const HelmertArguments& args) {
  if (args.point[0] < -90 || args.point[0] > 90) throw CommandError("the latitude must lie within -90 to 90 degrees");
  CSpheroid from, to;
  from.SelectSpheroid(args.from);
  to.SelectSpheroid(args.to);
  // The reverse direction runs from the "to" side back to the "from" side.
  const CSpheroid& source = args.reverse ? to : from;
  const CSpheroid& target = args.reverse ? from : to;
  const double phi0 = args.point[0] * kRadiansPerDegree, lam0 = args.point[1] * kRadiansPerDegree;
  const double h0 = args.point.size() > 2 ? args.point[2] : 0.0;
  double X, Y, Z;
  GeographicToGeocentric(source, phi0, lam0, h0, X, Y, Z);
  HelmertStep(ShiftOf(args), args.reverse ? kReverse : kForward, X, Y, Z);
  double phi = phi0, lam = 0, h = 0;
  if (!GeocentricToGeographic(target, X, Y, Z, phi, lam, h))
    throw CommandError("the shifted point has no geographic position (it lies on the polar axis)");
  std::printf("latitude %.9f longitude %.9f (degrees) height %.4f m\n", phi * kDegreesPerRadian,
              lam * kDegreesPerRadian, h);
}

}  // namespace

void AddHelmertCommand(CLI::App& app, const Options&) {
  auto* cmd = app.add_subcommand("helmert", "Shift one position (degrees, metres) by a seven-parameter transformation");
  static HelmertArguments args;
  const auto lastRow = static_cast<unsigned>(kEllipsoidTable.size() - 1);
  cmd->add_option("LAT LON H", args.point, "Latitude and longitude in degrees, height in metres (default 0)")
      ->expected(2, 3)
      ->required();
  cmd->add_option("--shift", args.shift, "tX,tY,tZ (m),rX,rY,rZ (arc-seconds),s (ppm)")
      ->delimiter(',')
      ->expected(7)
      ->required();
  cmd->add_flag("--coordinate-frame", args.coordinateFrame, "Rotations in the coordinate-frame convention");
  cmd->add_flag("--reverse", args.reverse, "From the \"to\" ellipsoid back to the \"from\" one, parameters negated");
  cmd->add_option("--from", args.from, "Ellipsoid row of the \"from\" side (default 26, WGS 1984)")
      ->check(CLI::Range(0u, lastRow));
  cmd->add_option("--to", args.to, "Ellipsoid row of the \"to\" side (default 20, International)")
      ->check(CLI::Range(0u, lastRow));
  cmd->callback([] { PrintShifted(args); });
}

}  // namespace host
