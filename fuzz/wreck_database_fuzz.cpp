// Any bytes as a wreck database: every record is read into a list until the
// reader stops. Lengths that point past the end must be skipped, never
// allocated, and nothing may be read outside the file.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/fs/Platform.h"
#include "wrecks/WreckDatabase.h"
#include "wrecks/WreckList.h"

namespace {

namespace stdfs = std::filesystem;

const stdfs::path& Root() {
  static const stdfs::path root = [] {
    auto r = stdfs::temp_directory_path() / ("overlays-wreck-fuzz-" + std::to_string(getpid()));
    stdfs::create_directories(r / "C");
    platform::fs::Install(
        std::make_shared<const platform::fs::Platform>(platform::fs::MachineOnFolder(r / "C", "Fuzz", "fuzz")));
    return r;
  }();
  return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (std::FILE* f = std::fopen((Root() / "C" / "in Jan 2026.WRK").c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  CWreckList list;
  ReadWreckDatabase("C:\\in Jan 2026.WRK", list);
  for (WreckDef* record : list.records) delete record;
  return 0;
}
