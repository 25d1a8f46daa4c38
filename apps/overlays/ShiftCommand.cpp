// overlays shift: grid-file datum shifts of one position, or with "-" of a
// stream of positions from standard input. One function per kind of grid
// adds its subcommand; the table below lists them.
//
//   shift ntv2 FILE LAT LON       NAD27 -> NAD83 (or as the file says) by CNTv2
//   shift ostn15 LAT LON          ETRS89 -> OSGB36 and British National Grid
//   shift ostn15 --inverse E N    British National Grid -> ETRS89

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "Host.h"
#include "HostDatum.h"
#include "PointStream.h"
#include "frame/Folders.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/shift/NTv2.h"
#include "geodesy/shift/NTv2File.h"
#include "geodesy/shift/Ostn15.h"
#include "platform/fs/FileSystem.h"

namespace host {
namespace {

namespace stdfs = std::filesystem;

constexpr const char* kInstallHint = "; 'overlays grids install' puts the bundled grids in place";

void CheckLatitude(double latDegrees) {
  if (!(latDegrees >= -90 && latDegrees <= 90)) throw CommandError("the latitude must lie within -90 to 90 degrees");
}

void PrintNTv2Shift(CNTv2& ntv2, double latDegrees, double lonDegrees) {
  CheckLatitude(latDegrees);
  // CNTv2 drops the longitude's sign and takes every longitude as west.
  if (lonDegrees > 0) throw CommandError("the NTv2 shift takes longitudes west of Greenwich (negative)");
  constexpr double kUntouched = std::numeric_limits<double>::quiet_NaN();
  double lat = kUntouched, lon = kUntouched;
  const int used = ntv2.Shift(latDegrees * kRadiansPerDegree, lonDegrees * kRadiansPerDegree, lat, lon);
  if (used < 0) throw CommandError("no sub-grid of the file holds this position");
  if (std::isnan(lat)) throw CommandError("sub-grid " + ntv2.SubGrids()[used].name + " has no nodes around this position");
  std::printf("%.9f %.9f %s\n", lat * kDegreesPerRadian, -lon * kDegreesPerRadian,
              Out(ntv2.SubGrids()[used].name).c_str());
}

struct NTv2Request {
  std::string file;
  std::vector<std::string> point;
};

void AddShiftNTv2Command(CLI::App& shift, const Options&) {
  static NTv2Request request;
  auto* cmd = shift.add_subcommand(
      "ntv2",
      "Shift a position by the nested sub-grids of an NTv2 file: prints the shifted latitude and longitude "
      "(degrees) and the sub-grid used. Input is truncated to 0.00001\"; a point up to 0.5\" beyond a sub-grid's "
      "northern or western limit is held to that limit.");
  cmd->add_option("FILE", request.file, "NTv2 file: a path, or a file name in the Global data folder")->required();
  AddPointOption(*cmd, request.point,
                 "LAT LON in degrees (west negative), or '-' for lines of 'lat lon' on standard input");
  cmd->callback([] {
    CNTv2 ntv2;
    LoadNTv2Argument(ntv2, request.file);
    AnswerPoints(request.point, [&](double lat, double lon) { PrintNTv2Shift(ntv2, lat, lon); });
  });
}

void PrintOstnForward(const COstn15& ostn, double latDegrees, double lonDegrees) {
  CheckLatitude(latDegrees);
  const double lat = latDegrees * kRadiansPerDegree, lon = lonDegrees * kRadiansPerDegree;
  if (!ostn.InExtent(lat, lon)) throw CommandError("this position lies outside the OSTN15 grid");
  double osgbLat = 0, osgbLon = 0, easting = 0, northing = 0;
  ostn.ShiftToOsgb36(lat, lon, osgbLat, osgbLon);
  ostn.Forward(lat, lon, easting, northing);
  if (osgbLat == 0 && osgbLon == 0) throw CommandError("the OSTN15 grid has no nodes around this position");
  std::printf("%.9f %.9f %.4f %.4f\n", osgbLat * kDegreesPerRadian, osgbLon * kDegreesPerRadian, easting, northing);
}

void PrintOstnInverse(const COstn15& ostn, double easting, double northing) {
  double lat = 0, lon = 0;
  if (!ostn.Inverse(easting, northing, lat, lon))
    throw CommandError("this easting and northing lie outside the OSTN15 grid");
  std::printf("%.9f %.9f\n", lat * kDegreesPerRadian, lon * kDegreesPerRadian);
}

struct OstnRequest {
  bool inverse = false;
  std::vector<std::string> point;
};

void AddShiftOstn15Command(CLI::App& shift, const Options&) {
  static OstnRequest request;
  auto* cmd = shift.add_subcommand(
      "ostn15",
      "ETRS89 latitude and longitude (degrees) to OSGB36 by OSTN15: prints the OSGB36 latitude and longitude and "
      "the British National Grid easting and northing (m). With --inverse, easting and northing to ETRS89.");
  cmd->add_flag("--inverse", request.inverse, "Take E N (metres) and print the ETRS89 latitude and longitude");
  AddPointOption(*cmd, request.point,
                 "LAT LON in degrees (west negative), or E N with --inverse, or '-' for such lines on standard input");
  cmd->callback([] {
    const COstn15 ostn;
    if (!ostn.IsLoaded()) {
      std::string folder;
      FindDataFolder(folder, kOstnDataFolder);
      throw CommandError("the OSTN15 grids are not in the OSTN data folder " + HostPathText(folder) + kInstallHint);
    }
    AnswerPoints(request.point, [&](double first, double second) {
      request.inverse ? PrintOstnInverse(ostn, first, second) : PrintOstnForward(ostn, first, second);
    });
  });
}

// Each kind of grid shift adds its own subcommand to "shift".
const CommandSetup kShiftCommands[] = {
    AddShiftNTv2Command,
    AddShiftOstn15Command,
    AddShiftNadconCommand,
};

}  // namespace

void AddShiftCommand(CLI::App& app, const Options& options) {
  auto* shift = app.add_subcommand("shift", "Datum shifts by grid files");
  shift->require_subcommand(1);
  for (const auto& add : kShiftCommands) add(*shift, options);
}

}  // namespace host
