#pragma once
// NAD27 to NAD83 and NAD83 to HPGN by the NADCON grids in the "Nadcon" data
// folder, and the reverse directions by iteration. A region slot keeps the
// grids of the last region used, so a run of nearby points reads the files
// once.
//
// Latitudes and longitudes are in degrees. A longitude east of Greenwich is
// taken as the same meridian negative west (250 is -110), as the grids are
// laid out. The forward shift is exact to the grids; the inverse meets the
// forward shift of its answer within 1e-9 degrees or gives (0, 0).

#include <span>
#include <string>

#include "geodesy/shift/NadconRegion.h"
#include "geodesy/shift/NadconRegionTable.h"

namespace nadcon {

inline constexpr char kDataFolder[] = "Nadcon";

// Modes 0 and 1 search the NAD27/NAD83 regions, 2 and 3 the HPGN regions.
std::span<const NadconRegionDef> RegionsOfMode(int mode);

// Clears the slot and loads one region's grid pair from the "Nadcon" data
// folder (made when missing). True only when both files were read.
bool LoadRegion(const std::string& code, CNadconRegion& slot);

// Loads the table's regions in order until one covers the point; the slot
// then holds it, with its name. False, with the slot cleared, when none does.
bool SelectRegion(CNadconRegion& slot, double lat, double lon, std::span<const NadconRegionDef> table);

struct Position {
  double lat = 0, lon = 0;
};

// The shifted point, and whether a region covered it. The slot is reloaded
// only when it does not cover the point; when no region does, it reads
// "Not Selected" and the point comes back unshifted.
bool Shift(double lat, double lon, CNadconRegion& slot, int mode, Position& shifted);

// The point whose Shift gives (lat, lon). False, with (0, 0), when ten
// steps do not bring the shift of the estimate within 1e-9 degrees; false
// too, with the point unshifted, when no region covers it.
bool InverseShift(double lat, double lon, CNadconRegion& slot, int mode, Position& original);

// What the datum object shows as the area: "  (<region name>)", or
// "(Out Of Limits)" when no region is selected.
std::string AreaText(const CNadconRegion& slot);

}  // namespace nadcon
