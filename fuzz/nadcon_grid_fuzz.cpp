// Any bytes as a NADCON grid file. Read them; when they are accepted, lay
// them down as both files of a region and shift points across it, the far
// edges included, where rounding could pick a cell past the last node.
// Nothing may crash, read past the bytes, or allocate more than the bytes
// can fill.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "FuzzMachine.h"
#include "frame/Folders.h"
#include "geodesy/shift/NadconShift.h"
#include "platform/fs/FileSystem.h"

namespace {

void ShiftAcross(const NadconHeaderDef& h) {
  CNadconRegion slot;
  if (!nadcon::LoadRegion("CONUS", slot)) std::abort();  // the bytes were accepted once already
  const double east = h.xMin + (h.columns - 1) * static_cast<double>(h.dx);
  const double north = h.yMin + (h.rows - 1) * static_cast<double>(h.dy);
  for (double f : {0.0, 1e-12, 0.5, 1 - 1e-12, 1.0}) {
    nadcon::Position out, back;
    const double lat = h.yMin + f * (north - h.yMin), lon = h.xMin + f * (east - h.xMin);
    nadcon::Shift(lat, lon, slot, 0, out);
    nadcon::InverseShift(out.lat, out.lon, slot, 0, back);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::FuzzDriveC("nadcon_grid");
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (!file) return 0;
  NadconHeaderDef header;
  std::vector<float> shifts;
  const bool read = ReadNadconGrid(file, header, shifts);
  std::fclose(file);
  if (!read) return 0;
  if (shifts.size() != static_cast<std::size_t>(header.columns) * static_cast<std::size_t>(header.rows) ||
      shifts.size() * sizeof(float) > size)
    std::abort();
  std::string folder;
  if (!FindDataFolder(folder, nadcon::kDataFolder)) return 0;
  for (const char* extension : {".las", ".los"}) {
    const auto host = platform::fs::ToHost(folder + "CONUS" + extension);
    if (!host) return 0;
    std::ofstream(*host, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  ShiftAcross(header);
  return 0;
}
