#include "platform/fs/Platform.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <system_error>

#include "platform/text/CodePage.h"

namespace platform::fs {
namespace {

std::atomic<std::shared_ptr<const Platform>>& Slot() {
  static std::atomic<std::shared_ptr<const Platform>> slot{std::make_shared<const Platform>()};
  return slot;
}

std::filesystem::path HomeFolder() {
  const char* home = std::getenv("HOME");
  return home && *home ? std::filesystem::path(home) : std::filesystem::temp_directory_path();
}

std::filesystem::path XdgFolder(const char* variable, const std::filesystem::path& fallback) {
  const char* value = std::getenv(variable);
  return value && *value == '/' ? std::filesystem::path(value) : fallback;
}

// Folders mounted by the desktop's media handling, in name order, so that a
// stick keeps its letter from one run to the next while nothing else changes.
std::vector<std::filesystem::path> MountedMedia(const std::string& user) {
  std::vector<std::filesystem::path> media;
  for (const auto& base : {std::filesystem::path("/media") / user, std::filesystem::path("/run/media") / user}) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec))
      if (it->is_directory(ec)) media.push_back(it->path());
  }
  std::sort(media.begin(), media.end());
  return media;
}

}  // namespace

std::shared_ptr<const Platform> Current() { return Slot().load(); }

void Install(std::shared_ptr<const Platform> platform) { Slot().store(std::move(platform)); }

ScopedPlatform::ScopedPlatform(Platform platform) : previous_(Current()) {
  Install(std::make_shared<const Platform>(std::move(platform)));
}

ScopedPlatform::~ScopedPlatform() { Install(previous_); }

std::string DefaultProfileName() {
  const char* user = std::getenv("USER");
  std::string name = user && *user ? text::AnsiFromUtf8(user) : "User";
  // A Windows folder name cannot hold these; fall back to the plain name.
  if (name.find_first_of("\\/:*?\"<>|") != std::string::npos) return "User";
  return name;
}

Platform MachineOnFolder(const std::filesystem::path& cRoot, const std::string& profile,
                         const std::string& programName) {
  Platform p;
  p.drives.MapDrive('C', cRoot, DriveType::Fixed);
  p.shell.commonAppData = "C:\\ProgramData";
  p.shell.roamingAppData = "C:\\Users\\" + profile + "\\AppData\\Roaming";
  p.shell.windows = "C:\\Windows";
  p.commandLine = "\"C:\\Program Files\\Navlore\\" + programName + ".exe\"";
  p.currentDirectory = "C:\\";
  const std::string utf8Profile = text::Utf8FromAnsi(profile);
  std::error_code ec;
  for (const auto& folder : {cRoot / "ProgramData", cRoot / "Users" / utf8Profile / "AppData" / "Roaming",
                             cRoot / "Users" / utf8Profile / "Downloads", cRoot / "Windows"})
    std::filesystem::create_directories(folder, ec);
  return p;
}

Platform UserMachine(const std::string& programName) {
  const auto home = HomeFolder();
  const auto dataHome = XdgFolder("XDG_DATA_HOME", home / ".local" / "share");
  const std::string profile = DefaultProfileName();
  Platform p = MachineOnFolder(dataHome / "overlays" / "C", profile, programName);

  const auto downloads = XdgFolder("XDG_DOWNLOAD_DIR", home / "Downloads");
  std::error_code ec;
  if (std::filesystem::is_directory(downloads, ec)) p.drives.Mount("C:\\Users\\" + profile + "\\Downloads", downloads);

  const char* user = std::getenv("USER");
  char letter = 'D';
  for (const auto& medium : MountedMedia(user ? user : "")) {
    if (letter > 'Z') break;
    p.drives.MapDrive(letter++, medium, DriveType::Removable);
  }
  return p;
}

Platform SandboxMachine(const std::filesystem::path& dir, const std::string& programName) {
  return MachineOnFolder(dir / "C", DefaultProfileName(), programName);
}

}  // namespace platform::fs
