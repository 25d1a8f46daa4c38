#pragma once
// A throw-away Windows-like machine for fuzz targets: C: is a folder under
// the system's temporary folder, named after the target and the process, so
// that nothing a fuzzer writes reaches the user's own folders.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/fs/Platform.h"

namespace fuzz_support {

inline std::filesystem::path& FuzzMachineRoot() {
  static std::filesystem::path root;
  return root;
}

// Installs the machine on first use and removes it when the fuzzer exits;
// returns the host folder behind C:.
inline const std::filesystem::path& FuzzDriveC(const char* target) {
  static const std::filesystem::path c = [target] {
    auto& root = FuzzMachineRoot();
    root = std::filesystem::temp_directory_path() /
           ("overlays-" + std::string(target) + "-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(root / "C");
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(FuzzMachineRoot(), ec);
    });
    platform::fs::Install(
        std::make_shared<const platform::fs::Platform>(platform::fs::MachineOnFolder(root / "C", "Fuzz", "fuzz")));
    return root / "C";
  }();
  return c;
}

}  // namespace fuzz_support
