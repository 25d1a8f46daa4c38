#include "HostMachine.h"

#include <cctype>
#include <filesystem>
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

}  // namespace

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
