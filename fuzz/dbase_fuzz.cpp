// Any bytes as the .dbf beside a shapefile: the field names are read from
// the descriptors the header promises, never from beyond the file, and
// each is at most the 11 bytes of its descriptor.

#include <cstdint>
#include <cstdio>

#include "FuzzMachine.h"
#include "shape/Dbase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (std::FILE* f = std::fopen((fuzz_support::FuzzDriveC("dbase") / "in.dbf").c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  CDbase table;
  table.SetFile("C:\\in.shp");
  table.ReadFields();
  for (const std::string& name : table.fieldNames)
    if (name.size() > 11) __builtin_trap();
  return 0;
}
