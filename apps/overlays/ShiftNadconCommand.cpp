// overlays shift nadcon LAT LON --mode M: one position through the NADCON
// grids in the "Nadcon" data folder, or with "-" a stream of positions from
// standard input, one per line. One region slot serves the whole run, so
// the grids are read again only when a point leaves the region.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "Host.h"
#include "PointStream.h"
#include "frame/Folders.h"
#include "geodesy/shift/NadconShift.h"

namespace host {
namespace {

struct NadconRequest {
  int mode = 0;
  std::vector<std::string> point;  // two numbers, or "-"
};

// Modes 1 and 3 are the reverse directions: the point whose shift gives
// the one typed.
bool IsReverse(int mode) { return mode % 2 == 1; }

std::string GridsFolderText() {
  std::string folder;
  FindDataFolder(folder, nadcon::kDataFolder);
  return Out(folder) + " (" + HostPathText(folder) + ")";
}

void PrintShifted(CNadconRegion& slot, int mode, double lat, double lon) {
  if (!(lat >= -90 && lat <= 90)) throw CommandError("the latitude must lie within -90 to 90 degrees");
  nadcon::Position out;
  const bool done = IsReverse(mode) ? nadcon::InverseShift(lat, lon, slot, mode, out)
                                    : nadcon::Shift(lat, lon, slot, mode, out);
  if (!slot.IsLoaded())
    throw CommandError("no NADCON region of mode " + std::to_string(mode) + " covers this point (grids in " +
                       GridsFolderText() + ")");
  if (!done) throw CommandError("the reverse shift did not settle within 10 steps");
  // The reverse answer keeps the longitude on the side it was typed, or
  // west of -180 as the grids have it; one meridian is printed one way.
  out.lon = std::remainder(out.lon, 360);
  std::printf("%.9f %.9f %s %s\n", out.lat, out.lon, slot.Code().c_str(), Out(slot.Name()).c_str());
}

void RunNadcon(const NadconRequest& request) {
  CNadconRegion slot;
  AnswerPoints(request.point, [&](double lat, double lon) { PrintShifted(slot, request.mode, lat, lon); });
}

}  // namespace

void AddShiftNadconCommand(CLI::App& shift, const Options&) {
  static NadconRequest request;
  auto* cmd = shift.add_subcommand(
      "nadcon",
      "A position shifted by the NADCON grids of the \"Nadcon\" data folder: latitude and longitude in degrees "
      "(9 decimals), then the code and name of the region whose grids served. The first region of the mode's "
      "table whose grid covers the point strictly inside its edges serves; longitudes east of Greenwich count "
      "as negative west (250 is -110).");
  AddPointOption(*cmd, request.point,
                 "LAT LON in degrees (south and west negative), or '-' for lines of 'lat lon' on standard input");
  cmd->add_option("--mode", request.mode,
                  "0 NAD27 to NAD83 (default), 1 NAD83 to NAD27, 2 NAD83 to HPGN, 3 HPGN to NAD83; "
                  "1 and 3 find the point whose shift gives the one typed")
      ->check(CLI::Range(0, 3));
  cmd->callback([] { RunNadcon(request); });
}


}  // namespace host
