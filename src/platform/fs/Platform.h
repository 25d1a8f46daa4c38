#pragma once
// What the module's code sees of the machine: the drive table, the shell
// folders, the command line, the clock and the current folder. One instance
// is current for the whole process, as the one machine is on Windows; hosts
// and tests install their own before the module runs.

#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "frame/Api.h"
#include "platform/fs/DriveTable.h"

namespace platform::fs {

struct ShellFolders {
  std::string commonAppData;   // e.g. "C:\ProgramData"
  std::string roamingAppData;  // e.g. "C:\Users\Ann\AppData\Roaming"
  std::string windows;         // e.g. "C:\Windows"
};

struct Platform {
  DriveTable drives;
  ShellFolders shell;
  std::string commandLine;       // the process command line, Windows style
  std::string currentDirectory;  // absolute Windows folder that relative paths start from
  std::function<std::time_t()> clock = [] { return std::time(nullptr); };
};

// The installed platform. Reading it is safe from any thread; installing a
// new one while module code runs on another thread is not supported.
OVERLAYS_API std::shared_ptr<const Platform> Current();
OVERLAYS_API void Install(std::shared_ptr<const Platform> platform);

// Installs a platform for the lifetime of the object and restores the
// previous one afterwards (tests, nested hosts).
class OVERLAYS_API ScopedPlatform {
 public:
  explicit ScopedPlatform(Platform platform);
  ~ScopedPlatform();
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  std::shared_ptr<const Platform> previous_;
};

// Profile name used in the shell folders of the platforms built below.
OVERLAYS_API std::string DefaultProfileName();

// A Windows-like machine whose C: drive is the folder `cRoot`: the shell
// folders live under it and are created, so the tree looks like a fresh
// installation. `programName` (without extension) makes the command line.
OVERLAYS_API Platform MachineOnFolder(const std::filesystem::path& cRoot, const std::string& profile,
                         const std::string& programName);

// The user's own machine: C: under the user's data folder, the profile's
// Downloads folder showing the real one, mounted media as removable drives.
OVERLAYS_API Platform UserMachine(const std::string& programName);

// A sandbox: C: is DIR/C and nothing outside DIR is visible.
OVERLAYS_API Platform SandboxMachine(const std::filesystem::path& dir, const std::string& programName);

}  // namespace platform::fs
