#include "frame/Folders.h"

#include <cstdio>

#include "frame/PathText.h"
#include "frame/ReplaceAll.h"
#include "platform/fs/FileSystem.h"

namespace fs = platform::fs;

namespace {

// "%c:\%s\"
std::string FolderOnDrive(char drive, const std::string& name) { return std::string{drive, ':', '\\'} + name + '\\'; }

// "%s%s\"
std::string SubFolder(const std::string& folder, const std::string& name) { return folder + name + '\\'; }

std::string FirstPackageIn(const std::string& folder, const char* extension) {
  for (const auto& found : fs::FindFiles(folder + "*." + extension))
    if (!found.folder) return folder + found.name;
  return {};
}

bool IsFixed(char drive) { return fs::GetDriveType(drive) == fs::DriveType::Fixed; }

// The name part of the whole command line taken as one path, the way the C
// library splits a path: after the last "\" or "/", before the last "." that
// follows it. For a command line of the program's full path alone this is
// the program's name without extension.
std::string ProgramNameOf(std::string commandLine) {
  std::erase(commandLine, '"');
  const auto slash = commandLine.find_last_of("\\/");
  std::string name = slash == std::string::npos ? commandLine : commandLine.substr(slash + 1);
  if (const auto dot = name.find_last_of('.'); dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace

std::string GetDownloadFolder() {
  const std::string common = fs::GetShellFolder(fs::ShellFolder::CommonAppData);
  const std::string folder = FolderOnDrive(common.empty() ? 'C' : common[0], kDownloadFolderName);
  CreateFolderPath(folder);
  return folder;
}

std::string GetUserDownloadsFolder() {
  std::string folder = fs::GetShellFolder(fs::ShellFolder::RoamingAppData) + '\\';
  ReplaceAll(folder, "Roaming\\", "");
  ReplaceAll(folder, "AppData\\", "");
  folder += "Downloads\\";
  if (fs::FolderExists(folder)) return folder;
  ReplaceAll(folder, "C:", "D:");
  return fs::FolderExists(folder) ? folder : std::string();
}

bool FindPackageFile(const char* extension, std::string& path) {
  for (char drive = 'A'; drive <= 'Z'; ++drive) {
    const auto type = fs::GetDriveType(drive);
    if (type != fs::DriveType::Removable && type != fs::DriveType::CdRom) continue;
    path = FirstPackageIn(std::string{drive, ':', '\\'}, extension);
    if (!path.empty()) return true;
  }
  path = FirstPackageIn(GetDownloadFolder(), extension);
  if (!path.empty()) return true;
  // With no Downloads folder the search pattern would be relative; there is
  // nothing sensible to search then.
  if (const std::string downloads = GetUserDownloadsFolder(); !downloads.empty())
    path = FirstPackageIn(downloads, extension);
  return !path.empty();
}

std::string GetMyDrivesFolder() {
  const std::string windows = fs::GetShellFolder(fs::ShellFolder::Windows);
  const std::string folder = FolderOnDrive(windows.empty() ? 'C' : windows[0], kMyDrivesFolderName);
  CreateFolderPath(folder);
  return folder;
}

bool GetDataFolder(std::string& path, const char* sub) {
  const std::string file = GetMyDrivesFolder() + kDataTreeName + ".INI";
  const auto in = fs::OpenFile(file, "r");
  if (!in) return false;
  std::string line;
  for (int c = std::fgetc(in.get()); c != EOF && c != '\n'; c = std::fgetc(in.get()))
    if (c != '\r') line += static_cast<char>(c);
  path = TrimWhiteSpace(line);
  if (path.empty()) return false;
  if (path.back() != '\\') path += '\\';
  if (sub) path = SubFolder(path, sub);
  return CreateFolderPath(path);
}

bool GetDefaultDataFolder(std::string& path, const char* sub) {
  for (const char drive : {'C', 'D', 'E'}) {
    if (drive != 'C' && !IsFixed(drive)) continue;
    const std::string tree = FolderOnDrive(drive, kDataTreeName);
    if (!fs::FolderExists(tree)) continue;
    if (!sub) {
      path = tree;
      return true;
    }
    const std::string folder = SubFolder(tree, sub);
    if (fs::FolderExists(folder) || fs::CreateFolder(folder) == fs::CreateResult::Created) {
      path = folder;
      return true;
    }
  }
  if (!FindRootFolder(kDataTreeName, path)) {
    path.clear();
    return false;
  }
  if (sub) path = SubFolder(path, sub);
  return CreateFolderPath(path);
}

bool FindDataFolder(std::string& path, const char* sub) {
  return GetDataFolder(path, sub) || GetDefaultDataFolder(path, sub);
}

bool FindRootFolder(const char* name, std::string& path) {
  path = FolderOnDrive('C', name);
  if (fs::FolderExists(path)) return true;
  for (const char drive : {'D', 'E'}) {
    if (!IsFixed(drive)) continue;
    path = FolderOnDrive(drive, name);
    if (fs::FolderExists(path) || fs::CreateFolder(path) == fs::CreateResult::Created) return true;
  }
  path = FolderOnDrive('C', name);
  return fs::CreateFolder(path) == fs::CreateResult::Created;
}

std::string GetSettingsFolder() {
  std::string path;
  if (!FindRootFolder(kSettingsTreeName, path)) return path;
  const std::string program = ProgramNameOf(fs::GetCommandLine());
  if (!program.empty()) path = SubFolder(path, program);
  CreateFolderPath(path);
  return path;
}

bool CreateFolderPath(std::string path) {
  if (path.size() <= 3) return false;
  if (path.back() != '\\') path += '\\';
  const auto colon = path.find(':');
  if (colon == std::string::npos) return false;
  bool good = false;
  // The drive's root is no level of the path: it cannot be created, and
  // counting it would make every path on a read-only disc look good.
  for (auto slash = path.find('\\', colon + 2); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
    const auto result = fs::CreateFolder(path.substr(0, slash + 1));
    good = good || result != fs::CreateResult::Failed;
  }
  return good;
}
