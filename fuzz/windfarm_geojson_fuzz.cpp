// Any bytes as the host's wind farm files, turbines and boundaries alike:
// the reader may refuse them, but must neither crash nor read out of
// bounds, and whatever it accepts must write out and read back to the same
// farms.

#include <cstdint>
#include <string_view>

#include "WindFarmGeoJson.h"

namespace {

template <class List>
void ReadWriteRead(std::string_view text, void (*read)(std::string_view, List&), std::string (*write)(const List&)) {
  List list;
  try {
    read(text, list);
  } catch (const windfarm_data::WindFarmDataError&) {
    return;
  }
  List again;
  try {
    read(write(list), again);
  } catch (const windfarm_data::WindFarmDataError&) {
    __builtin_trap();  // the writer produced a file the reader refuses
  }
  if (again.farms.size() != list.farms.size()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ReadWriteRead<CTurbineList>(text, windfarm_data::ReadTurbines, windfarm_data::WriteTurbines);
  ReadWriteRead<CWindFarmBoundaryList>(text, windfarm_data::ReadBoundaries, windfarm_data::WriteBoundaries);
  return 0;
}
