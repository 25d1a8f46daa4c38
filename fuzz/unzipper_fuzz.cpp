// Any bytes as an archive: open, list, and extract every entry with paths
// kept and ignored. Nothing may crash, read out of bounds, or write outside
// the sandbox's extraction folder.

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "FuzzMachine.h"
#include "kml/Unzipper.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace stdfs = std::filesystem;
  const stdfs::path& c = fuzz_support::FuzzDriveC("unzipper");
  const stdfs::path archive = c / "in.zip";
  if (std::FILE* f = std::fopen(archive.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  {
    CUnzipper zip("C:\\in.zip");
    UnzipFileInfo info;
    zip.GetFileCount();
    for (bool more = zip.GotoFirstFile(); more; more = zip.GotoNextFile()) {
      zip.GetFileInfo(info);
      zip.UnzipFile(nullptr, false);
      zip.UnzipFile("C:\\flat", true);
    }
    zip.GotoFirstFile("kml");
  }
  std::error_code ec;
  // Anything written outside C:\in and C:\flat would be an escape.
  for (const auto& entry : stdfs::directory_iterator(c, ec)) {
    const auto name = entry.path().filename();
    if (name != "in.zip" && name != "in" && name != "flat" && name != "ProgramData" && name != "Users" &&
        name != "Windows")
      __builtin_trap();
  }
  stdfs::remove_all(c / "in", ec);
  stdfs::remove_all(c / "flat", ec);
  return 0;
}
