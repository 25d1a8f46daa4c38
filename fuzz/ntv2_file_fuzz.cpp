// Any bytes as an NTv2 grid-shift file (read whole and as shifts alone),
// and as CNTv2's serialised sub-grids: whatever is accepted is then
// searched and interpolated at the corners of every sub-grid, just inside
// and just beyond them. Nothing may crash, read past the nodes, allocate by
// an unchecked count or hang (a sub-grid naming itself or a descendant as
// parent).

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "FuzzMachine.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/shift/NTv2.h"
#include "geodesy/shift/NTv2File.h"

namespace {

void ShiftAroundEverySubGrid(CNTv2& ntv2) {
  // At most a few sub-grids' worth, so that one input stays quick.
  const std::size_t count = std::min<std::size_t>(ntv2.SubGrids().size(), 16);
  for (std::size_t i = 0; i < count; ++i) {
    const DataSetDef& g = ntv2.SubGrids()[i];
    for (double lat : {g.sLat, g.nLat, g.nLat + 0.4, (g.sLat + g.nLat) / 2})
      for (double lon : {g.eLong, g.wLong, g.wLong + 0.4, (g.eLong + g.wLong) / 2}) {
        double shiftedLat = 0, shiftedLon = 0;
        ntv2.Shift(lat / 3600 * kRadiansPerDegree, -lon / 3600 * kRadiansPerDegree, shiftedLat, shiftedLon);
      }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::FuzzDriveC("ntv2_file");
  static CNTv2 ntv2;
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  if (std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb")) {
    auto grids = ReadNTv2(file, size);
    // The shifts-only reading must accept exactly what the full one does.
    std::rewind(file);
    if (ReadNTv2Shifts(file, size).has_value() != grids.has_value()) std::abort();
    std::fclose(file);
    if (grids) {
      ntv2.SetSubGrids(std::move(grids->subGrids));
      ShiftAroundEverySubGrid(ntv2);
    }
  }
  if (ntv2.Deserialize(std::span<const unsigned char>(data, size))) ShiftAroundEverySubGrid(ntv2);
  return 0;
}
