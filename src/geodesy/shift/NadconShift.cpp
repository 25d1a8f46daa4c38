#include "geodesy/shift/NadconShift.h"

#include <cmath>

#include "frame/Folders.h"

namespace nadcon {
namespace {

constexpr double kArcSecondsPerDegree = 3600;
constexpr int kInverseSteps = 10;
constexpr double kInverseTolerance = 1e-9;  // degrees, about 0.1 mm on the ground

double NegativeWest(double lon) { return lon > 0 ? lon - 360 : lon; }

// The grids' codes, in either table, name their region.
std::string NameOfCode(const std::string& code) {
  for (const auto table : {kNadconNad83Regions, kNadconHpgnRegions})
    for (const NadconRegionDef& region : table)
      if (code == region.code) return region.name;
  return {};
}

}  // namespace

std::span<const NadconRegionDef> RegionsOfMode(int mode) { return mode < 2 ? kNadconNad83Regions : kNadconHpgnRegions; }

bool LoadRegion(const std::string& code, CNadconRegion& slot) {
  slot.Clear();
  std::string folder;
  if (!FindDataFolder(folder, kDataFolder) || !slot.Load(folder, code)) return false;
  slot.SetName(NameOfCode(code));
  return true;
}

bool SelectRegion(CNadconRegion& slot, double lat, double lon, std::span<const NadconRegionDef> table) {
  for (const NadconRegionDef& region : table)
    if (LoadRegion(region.code, slot) && slot.Covers(lat, lon)) {
      slot.SetName(region.name);
      return true;
    }
  slot.Clear();
  return false;
}

bool Shift(double lat, double lon, CNadconRegion& slot, int mode, Position& shifted) {
  lon = NegativeWest(lon);
  shifted = {lat, lon};
  // Nothing covers a point that is not a number; no grid need be read to
  // know it.
  if (!std::isfinite(lat) || !std::isfinite(lon)) {
    slot.Clear();
    return false;
  }
  if (!slot.Covers(lat, lon) && !SelectRegion(slot, lat, lon, RegionsOfMode(mode))) return false;
  double latShift = 0, lonShift = 0;
  slot.Interpolate(lat, lon, latShift, lonShift);
  shifted.lat = lat + latShift / kArcSecondsPerDegree;
  shifted.lon = lon - lonShift / kArcSecondsPerDegree;
  if (shifted.lon < -180) shifted.lon += 360;
  return true;
}

bool InverseShift(double lat, double lon, CNadconRegion& slot, int mode, Position& original) {
  const Position target{lat, NegativeWest(lon)};
  Position estimate{lat, lon};
  bool covered = false;
  for (int step = 0; step < kInverseSteps; ++step) {
    Position shifted;
    covered = Shift(estimate.lat, estimate.lon, slot, mode, shifted);
    // A shift past -180 comes back east of Greenwich; it is compared on the
    // target's side of the antimeridian.
    const double dLat = target.lat - shifted.lat, dLon = target.lon - NegativeWest(shifted.lon);
    estimate.lat += dLat;
    estimate.lon += dLon;
    if (std::fabs(dLat) < kInverseTolerance && std::fabs(dLon) < kInverseTolerance) {
      original = estimate;
      return covered;
    }
  }
  original = {};
  return false;
}

std::string AreaText(const CNadconRegion& slot) {
  if (!slot.IsLoaded()) return "(Out Of Limits)";
  return "  (" + slot.Name() + ")";
}

}  // namespace nadcon
