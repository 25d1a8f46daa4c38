#pragma once
// Windows drive-letter paths on a Linux machine. The module builds and takes
// apart paths such as "C:\MyData\Wrecks\" itself; this table is the one place
// that knows which host folder stands behind each of them.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"

namespace platform::fs {

enum class DriveType { Absent, Fixed, Removable, CdRom };

// "fixed", "removable", "cdrom" (also "cd-rom", "cd"); empty when unknown.
OVERLAYS_API std::optional<DriveType> DriveTypeFromName(std::string_view name);
OVERLAYS_API const char* DriveTypeName(DriveType type);

// Windows takes either slash between the folders of a path.
inline bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

// The components of an absolute Windows path: drive letter (upper case) and
// the folder names below the root, with "." dropped and ".." applied. A ".."
// at the root stays at the root, as the Windows shell does.
struct WindowsPath {
  char drive = 0;
  std::vector<std::string> parts;
};
OVERLAYS_API std::optional<WindowsPath> SplitWindowsPath(std::string_view path);

class OVERLAYS_API DriveTable {
 public:
  // Maps a whole drive. A drive mapped as Absent is reported as absent even
  // if a folder is given.
  void MapDrive(char letter, std::filesystem::path host, DriveType type);

  // Shows a host folder at a Windows folder inside a mapped drive, as the
  // profile's Downloads folder shows the user's real Downloads folder. The
  // longest matching mount wins.
  void Mount(std::string_view windowsFolder, std::filesystem::path host);

  DriveType TypeOf(char letter) const;

  // Host path for an absolute Windows path; empty when its drive is absent
  // or unmapped. Each existing component is matched ignoring case, as on
  // Windows; components that do not exist yet keep the spelling given.
  std::optional<std::filesystem::path> HostPath(std::string_view windowsPath) const;

  // Windows path of a host path under one of the mapped folders.
  std::optional<std::string> WindowsPathOf(const std::filesystem::path& host) const;

  std::vector<char> MappedLetters() const;

 private:
  struct Drive {
    std::filesystem::path host;
    DriveType type = DriveType::Absent;
  };
  struct MountPoint {
    WindowsPath at;
    std::filesystem::path host;
  };
  std::array<Drive, 26> drives_{};
  std::vector<MountPoint> mounts_;
};

}  // namespace platform::fs
