#include "Host.h"

#include <cctype>
#include <memory>

#include "platform/fs/FileSystem.h"
#include "platform/fs/Platform.h"
#include "platform/text/CodePage.h"

namespace host {
namespace {

constexpr char kProgramName[] = "overlays";

// "E=/media/stick,removable" -> letter, folder, type.
void AddDrive(platform::fs::Platform& platform, const std::string& mapping) {
  const auto eq = mapping.find('=');
  if (eq != 1 || !std::isalpha(static_cast<unsigned char>(mapping[0])))
    throw CommandError("--drive wants L=DIR[,fixed|removable|cdrom], not '" + mapping + "'");
  std::string folder = mapping.substr(2);
  auto type = platform::fs::DriveType::Fixed;
  if (const auto comma = folder.rfind(','); comma != std::string::npos) {
    const auto named = platform::fs::DriveTypeFromName(folder.substr(comma + 1));
    if (!named) throw CommandError("unknown drive type '" + folder.substr(comma + 1) + "' in --drive " + mapping);
    type = *named;
    folder.erase(comma);
  }
  if (folder.empty()) throw CommandError("--drive " + mapping + " names no folder");
  std::error_code ec;
  if (type != platform::fs::DriveType::Absent && !std::filesystem::is_directory(folder, ec))
    throw CommandError("--drive " + mapping + ": '" + folder + "' is not a folder");
  platform.drives.MapDrive(static_cast<char>(std::toupper(static_cast<unsigned char>(mapping[0]))),
                           std::filesystem::absolute(folder), type);
}

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

std::string ModuleFilePath(const std::string& argument) {
  if (IsWindowsPath(argument)) return In(argument);
  std::error_code ec;
  const std::filesystem::path host = std::filesystem::absolute(argument, ec);
  if (ec || !std::filesystem::is_regular_file(host, ec)) throw CommandError("no such file: " + argument);
  const auto current = platform::fs::Current();
  if (auto windows = current->drives.WindowsPathOf(host)) return *windows;
  auto platform = *current;
  const char letter = SpareDriveLetter(platform.drives);
  if (!letter) throw CommandError("no spare drive letter to show the folder of " + argument);
  platform.drives.MapDrive(letter, host.parent_path(), platform::fs::DriveType::Fixed);
  platform::fs::Install(std::make_shared<const platform::fs::Platform>(std::move(platform)));
  return std::string(1, letter) + ":\\" + In(host.filename().string());
}

void InstallPlatform(const Options& options) {
  platform::fs::Platform platform;
  if (options.root.empty()) {
    platform = platform::fs::UserMachine(kProgramName);
  } else {
    std::error_code ec;
    std::filesystem::create_directories(options.root, ec);
    if (ec) throw CommandError("cannot create the sandbox folder '" + options.root + "': " + ec.message());
    platform = platform::fs::SandboxMachine(std::filesystem::absolute(options.root), kProgramName);
  }
  for (const auto& drive : options.drives) AddDrive(platform, drive);
  platform::fs::Install(std::make_shared<const platform::fs::Platform>(std::move(platform)));
}

std::string Out(const std::string& ansi) { return platform::text::Utf8FromAnsi(ansi); }

std::string In(const std::string& terminal) { return platform::text::AnsiFromUtf8(terminal); }

std::string HostPathText(const std::string& windowsPath) {
  const auto host = platform::fs::ToHost(windowsPath);
  return host ? host->string() : "(none)";
}

}  // namespace host
