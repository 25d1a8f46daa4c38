// Any bytes as a .shp/.shx pair: the first four bytes (little-endian) give
// the length of the .shp, the rest is the .shx. Loading must never read
// outside the files nor allocate by a count the files do not back, and
// every entity kept must have its object, no more of them than the index
// counts.

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "FuzzMachine.h"
#include "shape/Shape.h"

namespace {

void WriteFile(const char* name, const std::uint8_t* data, std::size_t size) {
  if (std::FILE* f = std::fopen((fuzz_support::FuzzDriveC("shapefile") / name).c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  std::uint32_t shpBytes = 0;
  std::memcpy(&shpBytes, data, 4);
  data += 4, size -= 4;
  if (shpBytes > size) shpBytes = static_cast<std::uint32_t>(size);
  WriteFile("in.shp", data, shpBytes);
  WriteFile("in.shx", data + shpBytes, size - shpBytes);
  // One object for the whole run: its datum object reads grids when it is
  // made, which would cost more than the load itself.
  static CShape shape;
  shape.path = "C:\\in.shp";
  if (shape.Load()) {
    if (shape.Entities().size() > static_cast<std::size_t>(shape.entityCount.load())) __builtin_trap();
    for (const ShapeEntityDef& e : shape.Entities())
      if (!e.object) __builtin_trap();
  }
  return 0;
}
