// Any bytes as the first line of a .prj: the scanner must reach the end of
// the text without reading outside it, and whatever it takes for an
// ellipsoid keeps an inverse flattening within 290..310.

#include <cstdint>
#include <string>
#include <string_view>

#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "shape/PrjScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string area;
  CSpheroid ellipsoid;
  CGridSystem grid;
  StartNewGrid(grid, &ellipsoid);
  bool geographic = false;
  CPrjScanner({area, ellipsoid, grid, geographic}).Scan(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!(ellipsoid.invFlattening >= 290 && ellipsoid.invFlattening <= 310)) __builtin_trap();
  if (!geographic && std::string_view(reinterpret_cast<const char*>(data), size).find("PROJECTION") ==
                         std::string_view::npos)
    __builtin_trap();
  return 0;
}
