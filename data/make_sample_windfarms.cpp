// Writes the bundled sample wind farm package: a "WFZ" archive holding the
// turbines and boundaries of a dozen invented offshore wind farms in the
// North Sea and the Irish Sea, and a note saying what the data is.
//   make_sample_windfarms OUTPUT.WFZ
//
// Every farm is a regular grid of turbines, turned on the sea; nothing is
// random, so the package is the same on every machine and every build.

#include <cmath>
#include <exception>
#include <filesystem>
#include <iostream>
#include <numbers>
#include <string>

#include "WindFarmGeoJson.h"
#include "ZipWriter.h"
#include "geodesy/angle/AngleUnits.h"

namespace {

// 15 January 2026 12:00, as the wreck sample.
constexpr std::uint32_t kIssued = ((2026u - 1980u) << 25) | (1u << 21) | (15u << 16) | (12u << 11);
constexpr double kKmPerDegree = 111.32;

struct FarmPlan {
  const char* name;
  const char* qualifier;
  double longitude, latitude;  // centre, degrees
  int rows, columns;
  double spacingKm;
  double turnDegrees;
  std::uint16_t status;
  double bladeRadius;  // 0: heights not yet known
  double nacelleHeight;
};

// Names and places are invented; the statuses cycle so that each appears.
constexpr FarmPlan kFarms[] = {
    {"Amberley Bank", "Phase 1", 2.10, 53.90, 6, 8, 1.0, 12, 1, 75, 110},
    {"Brindle Flats", "Phase 2", 1.60, 54.60, 5, 7, 1.1, -8, 2, 0, 0},
    {"Cobalt Reach", "Extension", 2.80, 55.10, 6, 6, 1.2, 30, 3, 110, 140},
    {"Dunmere Shoal", "Phase 1", 1.25, 53.35, 4, 6, 0.8, 0, 4, 45, 80},
    {"Elderwick", "Phase 1", 3.30, 53.60, 5, 5, 1.0, 45, 1, 82, 118},
    {"Farrow Deep", "Floating", -1.20, 56.90, 3, 5, 1.5, -20, 2, 0, 0},
    {"Greyling Sands", "Phase 3", 4.20, 54.30, 4, 8, 1.0, 5, 3, 95, 130},
    {"Harrowby Bank", "Phase 1", -3.60, 53.95, 5, 6, 0.9, 18, 1, 60, 95},
    {"Ivel Knoll", "Phase 2", -3.35, 54.25, 4, 5, 0.9, -12, 4, 40, 75},
    {"Juniper Flats", "Phase 1", -4.10, 53.55, 3, 6, 1.0, 25, 2, 0, 0},
    {"Kelston Reach", "Demonstrator", -5.60, 53.25, 4, 4, 0.8, 0, 3, 70, 105},
    {"Lowmoor Shoal", "Phase 1", -3.85, 54.55, 3, 4, 0.7, -30, 1, 55, 90},
};

constexpr const char* kStatusNames[] = {"", "live", "planned", "under construction", "decommissioned"};

// A point `east` and `north` kilometres from the farm's centre, in radians.
tagXY Offset(const FarmPlan& f, double east, double north) {
  const double turn = f.turnDegrees * std::numbers::pi / 180;
  const double e = east * std::cos(turn) - north * std::sin(turn);
  const double n = east * std::sin(turn) + north * std::cos(turn);
  const double latitude = f.latitude + n / kKmPerDegree;
  const double longitude = f.longitude + e / (kKmPerDegree * std::cos(f.latitude * std::numbers::pi / 180));
  return {longitude / kDegreesPerRadian, latitude / kDegreesPerRadian};
}

// Every seventh turbine of a farm in service or being built is still
// planned, so that statuses mix within a farm.
std::uint16_t StatusOf(const FarmPlan& f, int serial) {
  return serial % 7 == 6 && (f.status == 1 || f.status == 3) ? 2 : f.status;
}

TurbineDef MakeTurbine(const FarmPlan& f, int row, int column) {
  const int serial = row * f.columns + column;
  const bool corner = (row == 0 || row == f.rows - 1) && (column == 0 || column == f.columns - 1);
  const bool edge = row == 0 || row == f.rows - 1 || column == 0 || column == f.columns - 1;
  TurbineDef t;
  t.status = StatusOf(f, serial);
  t.image = t.status;
  t.feature = std::string(1, static_cast<char>('A' + row)) + (column < 9 ? "0" : "") + std::to_string(column + 1);
  t.position = Offset(f, (column - (f.columns - 1) / 2.0) * f.spacingKm, (row - (f.rows - 1) / 2.0) * f.spacingKm);
  t.remarks = "Invented sample turbine (" + std::string(kStatusNames[t.status]) + "); not for navigation.";
  // Planned farms do not know their heights yet: one unknown is kept as 0,
  // the others as the largest float, as hosts do both.
  const bool known = f.bladeRadius > 0;
  t.bladeRadius = known ? static_cast<float>(f.bladeRadius) : 0.0f;
  t.nacelleHeight = known ? static_cast<float>(f.nacelleHeight) : kHeightNotKnown;
  t.clearHeight = known ? static_cast<float>(f.nacelleHeight - f.bladeRadius) : kHeightNotKnown;
  t.maximumHeight = known ? static_cast<float>(f.nacelleHeight + f.bladeRadius) : kHeightNotKnown;
  t.airObstructionLights = edge ? "Fl R 2s" : "";
  t.navigationLights = corner ? "Fl Y 5s 13M" : edge ? "Fl Y 5s 2M" : "";
  t.fogSignal = corner && row == 0 ? "Mo(U) 30s" : "";
  t.farmName = f.name;
  t.farmQualifier = f.qualifier;
  return t;
}

// The layout's corners, half a spacing beyond the outer turbines.
WindFarmBoundaryDef MakeBoundary(const FarmPlan& f, std::size_t turbines) {
  WindFarmBoundaryDef b;
  b.name = f.name;
  b.description = "Invented sample farm of " + std::to_string(turbines) + " turbines, " + kStatusNames[f.status] + ".";
  const double halfEast = f.columns * f.spacingKm / 2, halfNorth = f.rows * f.spacingKm / 2;
  for (const auto& [e, n] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}})
    b.outline.Add(Offset(f, e * halfEast, n * halfNorth));
  b.centre = Offset(f, 0, 0);
  return b;
}

constexpr char kNote[] =
    "Sample wind farm data\r\n"
    "\r\n"
    "Every wind farm, turbine, name and light in this package is invented.\r\n"
    "The farms lie in the North Sea and the Irish Sea, but none of them\r\n"
    "exists, and none of it may be used for navigation. The data was\r\n"
    "generated for demonstrating and testing the overlays module and is\r\n"
    "free to copy.\r\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sample_windfarms OUTPUT.WFZ\n";
    return 2;
  }
  try {
    CTurbineList turbines;
    CWindFarmBoundaryList boundaries;
    turbines.farms.resize(1);
    boundaries.farms.resize(1);
    for (const FarmPlan& f : kFarms) {
      WindFarmDef farm{{}, f.name};
      for (int row = 0; row < f.rows; ++row)
        for (int column = 0; column < f.columns; ++column) farm.turbines.push_back(MakeTurbine(f, row, column));
      boundaries.farms.push_back(MakeBoundary(f, farm.turbines.size()));
      turbines.farms.push_back(std::move(farm));
    }
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out.parent_path());
    tools::ZipWriter zip(out);
    tools::ZipEntry entry;
    entry.dosDateTime = kIssued;
    entry.name = windfarm_data::kTurbinesFile;
    zip.Add(entry, windfarm_data::WriteTurbines(turbines));
    entry.name = windfarm_data::kBoundariesFile;
    zip.Add(entry, windfarm_data::WriteBoundaries(boundaries));
    entry.name = "About the sample data.txt";
    zip.Add(entry, kNote);
    zip.Close();
  } catch (const std::exception& e) {
    std::cerr << "make_sample_windfarms: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
