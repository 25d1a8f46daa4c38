#include "WindowsPath.h"

#include <cctype>
#include <memory>

#include "Host.h"
#include "platform/fs/Platform.h"

namespace host {
namespace {

// The letter of a drive nothing is mapped on, from Z down, or 0.
char SpareDriveLetter(const platform::fs::DriveTable& drives) {
  for (char letter = 'Z'; letter >= 'D'; --letter)
    if (drives.TypeOf(letter) == platform::fs::DriveType::Absent && !drives.HostPath(std::string(1, letter) + ":\\"))
      return letter;
  return 0;
}

}  // namespace

bool IsWindowsPath(const std::string& path) {
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
         (path[2] == '\\' || path[2] == '/');
}

std::string WindowsPathShowing(const std::filesystem::path& host) {
  const auto current = platform::fs::Current();
  if (auto windows = current->drives.WindowsPathOf(host)) return *windows;
  auto platform = *current;
  const char letter = SpareDriveLetter(platform.drives);
  if (!letter) throw CommandError("no spare drive letter to show the folder of " + host.string());
  platform.drives.MapDrive(letter, host.parent_path(), platform::fs::DriveType::Fixed);
  platform::fs::Install(std::make_shared<const platform::fs::Platform>(std::move(platform)));
  return std::string(1, letter) + ":\\" + In(host.filename().string());
}

std::string ModuleFilePath(const std::string& argument) {
  if (IsWindowsPath(argument)) return In(argument);
  std::error_code ec;
  const std::filesystem::path host = std::filesystem::absolute(argument, ec);
  if (ec || !std::filesystem::is_regular_file(host, ec)) throw CommandError("no such file: " + argument);
  return WindowsPathShowing(host);
}

}  // namespace host
