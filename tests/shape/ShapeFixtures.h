#pragma once
// Shapefiles for the shape tests, written by shapelib's own writer at a
// Windows path of a test machine, and the GeographicLib sums the lengths
// are checked against.

#include <filesystem>
#include <string_view>
#include <vector>

#include <GeographicLib/Geodesic.hpp>

#include "ShapefileWriter.h"
#include "support/TestMachine.h"

namespace shape_fixtures {

inline std::filesystem::path HostBase(const testing_support::TestMachine& machine, std::string_view windowsBase) {
  const std::filesystem::path base = machine.Host(windowsBase);
  std::filesystem::create_directories(base.parent_path());
  return base;
}

inline void WriteShape(const testing_support::TestMachine& machine, std::string_view windowsBase, int shapeType,
                       const std::vector<tools::ShapefileEntity>& entities) {
  tools::WriteShapefile(HostBase(machine, windowsBase), shapeType, entities);
}

// The exact geodesic length of the chain, every consecutive pair counted.
inline double GeographicLibLength(const std::vector<double>& lon, const std::vector<double>& lat) {
  const auto& wgs84 = GeographicLib::Geodesic::WGS84();
  double total = 0;
  for (std::size_t i = 1; i < lon.size(); ++i) {
    double s12 = 0;
    wgs84.Inverse(lat[i - 1], lon[i - 1], lat[i], lon[i], s12);
    total += s12;
  }
  return total;
}

}  // namespace shape_fixtures
