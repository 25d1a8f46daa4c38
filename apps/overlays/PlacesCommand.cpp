// overlays places [--near LAT LON]: the location combo box's places, or the
// one it selects for a position and how far that position is from it.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "Host.h"
#include "controls/UKLocationComboBox.h"
#include "geodesy/angle/AngleUnits.h"

namespace host {
namespace {

// The table's own digits ("%.17g" would show 50.100000000000001 for 50.1).
std::string PlaceDegreesText(double degrees) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, degrees).ptr;
  return std::string(text, end);
}

void PrintPlaces() {
  std::printf("%-3s %-28s %12s %12s\n", "#", "name", "latitude", "longitude");
  int number = 1;
  for (const UKPlaceDef& place : UKPlaces())
    std::printf("%-3d %-28s %12s %12s\n", number++, Out(place.name).c_str(), PlaceDegreesText(place.latitude).c_str(),
                PlaceDegreesText(place.longitude).c_str());
}

// Asks the combo box itself, on a window of its own, so the answer is the
// entry a dialog would show.
void PrintNearestPlace(const std::vector<double>& position) {
  CheckNearPosition(position);
  CWnd parent;
  parent.Create("places", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0);
  CUKLocationComboBox box;
  box.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 180, 200), &parent, 1);
  const NearestPlace nearest = box.SelectNearest(position[0] * kRadiansPerDegree, position[1] * kRadiansPerDegree);
  if (nearest.index < 0) throw CommandError("no place could be measured from this position");
  std::printf("%-3d %-28s %.3f m\n", box.GetCurSel() + 1, Out(box.GetLBText(box.GetCurSel())).c_str(),
              nearest.distance);
}

}  // namespace

void CheckNearPosition(const std::vector<double>& position) {
  const double latitude = position[0], longitude = position[1];
  if (!std::isfinite(latitude) || latitude < -90 || latitude > 90)
    throw CommandError("--near: the latitude must be a number from -90 to 90 (degrees)");
  if (!std::isfinite(longitude) || longitude < -180 || longitude > 180)
    throw CommandError("--near: the longitude must be a number from -180 to 180 (degrees)");
}

void AddPlacesCommand(CLI::App& app, const Options&) {
  auto* cmd = app.add_subcommand(
      "places",
      "List the location combo box's places (number, name, latitude and longitude in degrees),\n"
      "or with --near the place it selects for a position and the distance to it (metres,\n"
      "geodesic on WGS 1984; on equal distances the earlier place).");
  static std::vector<double> near;
  cmd->add_option("--near", near, "A position: latitude and longitude in degrees (south and west negative)")
      ->expected(2)
      ->type_name("LAT LON");
  cmd->callback([] {
    if (near.empty())
      PrintPlaces();
    else
      PrintNearestPlace(near);
  });
}

}  // namespace host
