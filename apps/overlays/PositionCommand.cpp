// overlays position LAT LON --datum FAMILY:ROW[:reverse]: one WGS 1984 (or,
// reversed, local) position carried across a datum transformation by the
// datum object, printed whole on both sides; with --grid-position the two
// numbers are an easting and northing on the user grid, or with "-" a
// stream of positions from standard input, one per line.

#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <string>

#include "Host.h"
#include "HostDatum.h"
#include "PointStream.h"
#include "geodesy/angle/AngleText.h"

#include <nlohmann/json.hpp>

namespace host {
namespace {

// Exact factors: a typed degree value comes back as typed, and a point on a
// NADCON grid's edge stays on it.
constexpr double kPositionRadiansPerDegree = std::numbers::pi / 180;
constexpr double kPositionDegreesPerRadian = 180 / std::numbers::pi;

struct PositionRequest {
  std::string datum;
  std::optional<std::string> grid;  // KIND:ROW[:VARIANT]; the point's UTM zone otherwise
  std::optional<std::string> ntv2;  // the Canadian grid of family 5
  double height = 0;
  std::string format = "text";
  bool gridPosition = false;
  std::vector<std::string> point;  // two numbers, or "-"
};

// The catalogue's grid, or the UTM zone of the point.
void SelectPositionDatum(DatumHost& host, const PositionRequest& request, const DatumChoice& choice,
                         double latDegrees, double lonDegrees) {
  SelectHostDatum(host, choice, request.datum,
                  request.grid ? ParseGridAddress(*request.grid) : UtmZoneGrid(latDegrees, lonDegrees));
}

bool PositionIsFinite(const PositionDef& p) {
  for (double v : {p.easting, p.northing, p.lon, p.lat, p.X, p.Y, p.Z, p.height, p.convergence, p.pointScale})
    if (!std::isfinite(v)) return false;
  return true;
}

constexpr int kCanadianFamily = 5;

// The angle kinds of the user's angle format.
constexpr int kSignedAngle = 1, kLatitudeAngle = 5, kLongitudeAngle = 6;

// A point scale of 0 marks a side whose grid could not project the point.
bool HasGridValues(const PositionDef& p) { return p.pointScale != 0; }

void PrintSideText(const char* label, const PositionDef& p, const std::string& name) {
  std::printf("%s ", label);
  if (HasGridValues(p))
    std::printf("%.4f %.4f ", p.easting, p.northing);
  else
    std::printf("- - ");
  std::printf("%.10f %.10f %.4f %.4f %.4f %.4f ", p.lon * kPositionDegreesPerRadian, p.lat * kPositionDegreesPerRadian, p.X, p.Y,
              p.Z, p.height);
  if (HasGridValues(p))
    std::printf("%.9f %.10f", p.convergence * kPositionDegreesPerRadian, p.pointScale);
  else
    std::printf("- -");
  std::printf(" %s\n", Out(name).c_str());
  std::printf("%s latitude %s longitude %s", label, Out(FormatAngle(p.lat, kLatitudeAngle, kAngleFormatFromSettings)).c_str(),
              Out(FormatAngle(p.lon, kLongitudeAngle, kAngleFormatFromSettings)).c_str());
  if (HasGridValues(p))
    std::printf(" convergence %s", Out(FormatAngle(p.convergence, kSignedAngle, kAngleFormatFromSettings)).c_str());
  std::printf("\n");
}

nlohmann::ordered_json SideJson(const PositionDef& p) {
  nlohmann::ordered_json side;
  const bool grid = HasGridValues(p);
  side["easting"] = grid ? nlohmann::ordered_json(p.easting) : nullptr;
  side["northing"] = grid ? nlohmann::ordered_json(p.northing) : nullptr;
  side["longitude"] = p.lon * kPositionDegreesPerRadian;
  side["latitude"] = p.lat * kPositionDegreesPerRadian;
  side["x"] = p.X;
  side["y"] = p.Y;
  side["z"] = p.Z;
  side["height"] = p.height;
  side["convergence"] = grid ? nlohmann::ordered_json(p.convergence * kPositionDegreesPerRadian) : nullptr;
  side["scale"] = grid ? nlohmann::ordered_json(p.pointScale) : nullptr;
  return side;
}

// A reversed datum keeps its From and To names while its sides swap: the
// near side is then the To datum.
void PrintRecord(const PositionRequest& request, const CDatum& datum, const PositionDef& near, const PositionDef& far) {
  const DatumTransformation& t = datum.transformation;
  const bool reversed = datum.Direction() == kReverse;
  const std::string& nearName = reversed ? t.to : t.from;
  const std::string& farName = reversed ? t.from : t.to;
  if (request.format == "json") {
    nlohmann::ordered_json record;
    record["from"] = SideJson(near);
    record["to"] = SideJson(far);
    record["datum"] = {{"family", datum.Family()}, {"row", datum.Row()},       {"direction", datum.Direction()},
                       {"from", Out(nearName)},    {"to", Out(farName)},       {"area", Out(t.area)}};
    std::printf("%s\n", record.dump().c_str());
    return;
  }
  PrintSideText("from", near, nearName);
  PrintSideText("to", far, farName);
  std::printf("area %s\n", Out(t.area).c_str());
}

// The near side's latitude and longitude (radians) of the typed point.
void NearLatLon(const PositionRequest& request, CDatum& datum, double first, double second, double& lat,
                double& lon) {
  if (!request.gridPosition) {
    if (!(first >= -90 && first <= 90)) throw CommandError("the latitude must lie within -90 to 90 degrees");
    lat = first * kPositionRadiansPerDegree;
    lon = second * kPositionRadiansPerDegree;
    return;
  }
  const tagXY latLon = datum.GridToLatLon({first, second});
  if (latLon.x == 0 && latLon.y == 0)
    throw CommandError("this easting and northing have no latitude and longitude through datum " + request.datum +
                       " (outside its grids, or the family has no grid)");
  lat = latLon.y;
  lon = latLon.x;
}

// The grid's inverse answers some eastings and northings no position
// projects to; carried back across, such an answer misses them. A metre
// covers the reverse Helmert step, exact only to first order (centimetres).
bool LandsOnTypedGridPosition(const PositionDef& to, double easting, double northing) {
  constexpr double kReachMetres = 1.0;
  return std::fabs(to.easting - easting) <= kReachMetres && std::fabs(to.northing - northing) <= kReachMetres;
}

void AnswerPosition(DatumHost& host, const PositionRequest& request, double first, double second) {
  CDatum& datum = host.datum;
  double lat = 0, lon = 0;
  NearLatLon(request, datum, first, second, lat, lon);
  PositionDef from, to;
  FillPosition(from, lat, lon, request.height, datum.nearEllipsoid, &datum.nearGrid);
  to.lat = lat;
  if (!datum.ConvertPosition(from, to, kForward))
    throw CommandError("datum " + request.datum + " carries no position here (its family converts none, or the point " +
                       "lies outside its grids); area: " + Out(datum.transformation.area));
  if (!PositionIsFinite(from) || !PositionIsFinite(to))
    throw CommandError("the datum transformation gives no finite position here");
  if (request.gridPosition && !LandsOnTypedGridPosition(to, first, second))
    throw CommandError("this easting and northing lie beyond the projection's reach (no position comes back to them)");
  PrintRecord(request, datum, from, to);
}

void RunPosition(const PositionRequest& request) {
  const DatumChoice choice = ParseDatumChoice(request.datum);
  if (request.gridPosition && !request.grid) throw CommandError("--grid-position needs --grid for the user grid");
  if (!std::isfinite(request.height)) throw CommandError("--height must be a finite number");
  DatumHost host;
  if (request.ntv2) LoadNTv2Argument(host.datum.ntv2, *request.ntv2);
  // Selecting the family reads the national grid when none was given.
  const bool selected = host.datum.SetDatum(choice.family, choice.row, choice.direction);
  if (selected && choice.family == kCanadianFamily && host.datum.ntv2.SubGrids().empty())
    throw CommandError("datum family 5 shifts by an NTv2 file: give it with --ntv2 FILE, or put the national grid "
                       "NTV2_0.GSB in the Global data folder " + HostPathText(host.datum.ntv2.folder));
  if (request.grid) SelectPositionDatum(host, request, choice, 0, 0);
  AnswerPoints(request.point, [&](double first, double second) {
    if (!request.grid) SelectPositionDatum(host, request, choice, first, second);
    AnswerPosition(host, request, first, second);
  });
}

}  // namespace

void AddPositionCommand(CLI::App& app, const Options&) {
  static PositionRequest request;
  auto* cmd = app.add_subcommand(
      "position",
      "A position carried across a datum transformation by the datum object, printed on both sides: easting, "
      "northing, longitude, latitude (degrees), X, Y, Z, height (metres), convergence (degrees) and point scale, "
      "then the side's datum name; a last line names the area. A grid value the side's grid cannot give is '-'.");
  AddPointOption(*cmd, request.point,
                 "LAT LON in degrees on the From side (EASTING NORTHING with --grid-position), or '-' for one "
                 "position a line on standard input");
  cmd->add_option("--datum", request.datum, "FAMILY:ROW or FAMILY:ROW:reverse, as 'overlays datums' lists them")
      ->required();
  cmd->add_option("--grid", request.grid,
                  "The user grid as KIND:ROW[:VARIANT] (see 'overlays grids'); the UTM zone of each point otherwise");
  cmd->add_option("--ntv2", request.ntv2,
                  "The NTv2 file datum family 5 shifts by: a path, or a file name in the Global data folder "
                  "(default: the national grid NTV2_0.GSB there)");
  cmd->add_option("--height", request.height, "Ellipsoidal height on the From side, metres (default 0)");
  cmd->add_option("--format", request.format, "text (default) or json, one object a position")
      ->check(CLI::IsMember({"text", "json"}));
  cmd->add_flag("--grid-position", request.gridPosition,
                "The two numbers are an easting and northing on the user grid, turned into WGS 1984 first");
  cmd->callback([] { RunPosition(request); });
}

}  // namespace host
