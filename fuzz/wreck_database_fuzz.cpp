// Any bytes as a wreck database: every record is read into a list until the
// reader stops. Lengths that point past the end must be skipped, never
// allocated, and nothing may be read outside the file.

#include <cstdint>
#include <cstdio>

#include "FuzzMachine.h"
#include "wrecks/WreckDatabase.h"
#include "wrecks/WreckList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (std::FILE* f = std::fopen((fuzz_support::FuzzDriveC("wreck_database") / "in Jan 2026.WRK").c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  CWreckList list;
  ReadWreckDatabase("C:\\in Jan 2026.WRK", list);
  for (WreckDef* record : list.records) delete record;
  return 0;
}
