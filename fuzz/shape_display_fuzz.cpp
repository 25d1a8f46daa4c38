// Any bytes as a shapefile's display settings file: the reader must stay
// within the file and give every setting a value; what it read must come
// back the same through the writer and the reader again.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>

#include "FuzzMachine.h"
#include "shape/ShapeDisplayDef.h"

namespace {

auto Fields(const ShapeDisplayDef& d) {
  return std::tuple(d.status, d.style, d.size, d.colour, d.fill, d.labelMode, d.labelPosition, d.labelColumn,
                    d.iconMode);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path host = fuzz_support::FuzzDriveC("shape_display") / "chart.INI";
  if (std::FILE* f = std::fopen(host.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  ShapeDisplayDef first;
  if (!ReadShapeDisplay("C:\\chart.shp", first)) return 0;
  if (!WriteShapeDisplay("C:\\chart.shp", first)) return 0;
  ShapeDisplayDef again;
  if (!ReadShapeDisplay("C:\\chart.shp", again) || Fields(again) != Fields(first)) __builtin_trap();
  return 0;
}
