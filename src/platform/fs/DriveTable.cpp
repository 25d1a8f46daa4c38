#include "platform/fs/DriveTable.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/text/CodePage.h"

namespace platform::fs {
namespace {

int DriveIndex(char letter) {
  const int up = std::toupper(static_cast<unsigned char>(letter));
  return up >= 'A' && up <= 'Z' ? up - 'A' : -1;
}

// Finds an existing child of `folder` whose name equals `ansiName` ignoring
// case; the exact spelling is tried first because it is by far the common
// case and costs one stat instead of a directory scan.
std::filesystem::path ChildIgnoringCase(const std::filesystem::path& folder, const std::string& ansiName) {
  std::error_code ec;
  auto exact = folder / text::Utf8FromAnsi(ansiName);
  if (std::filesystem::symlink_status(exact, ec).type() != std::filesystem::file_type::not_found && !ec)
    return exact;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (text::EqualsIgnoringCase(text::AnsiFromUtf8(it->path().filename().string()), ansiName))
      return it->path();
  }
  return exact;
}

bool StartsWith(const WindowsPath& path, const WindowsPath& prefix) {
  if (path.drive != prefix.drive || path.parts.size() < prefix.parts.size()) return false;
  for (std::size_t i = 0; i < prefix.parts.size(); ++i)
    if (!text::EqualsIgnoringCase(path.parts[i], prefix.parts[i])) return false;
  return true;
}

}  // namespace

std::optional<DriveType> DriveTypeFromName(std::string_view name) {
  std::string lower;
  for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "fixed") return DriveType::Fixed;
  if (lower == "removable") return DriveType::Removable;
  if (lower == "cdrom" || lower == "cd-rom" || lower == "cd") return DriveType::CdRom;
  if (lower == "absent") return DriveType::Absent;
  return std::nullopt;
}

const char* DriveTypeName(DriveType type) {
  switch (type) {
    case DriveType::Fixed: return "fixed";
    case DriveType::Removable: return "removable";
    case DriveType::CdRom: return "cdrom";
    case DriveType::Absent: break;
  }
  return "absent";
}

std::optional<WindowsPath> SplitWindowsPath(std::string_view path) {
  if (path.size() < 2 || path[1] != ':' || DriveIndex(path[0]) < 0) return std::nullopt;
  WindowsPath out;
  out.drive = static_cast<char>('A' + DriveIndex(path[0]));
  std::size_t i = 2;
  while (i < path.size()) {
    while (i < path.size() && IsPathSeparator(path[i])) ++i;
    std::size_t j = i;
    while (j < path.size() && !IsPathSeparator(path[j])) ++j;
    const std::string_view part = path.substr(i, j - i);
    if (part == "..") {
      if (!out.parts.empty()) out.parts.pop_back();
    } else if (!part.empty() && part != ".") {
      // A colon inside a component names an alternate stream or another
      // drive on Windows; no host folder stands behind either.
      if (part.find(':') != std::string_view::npos) return std::nullopt;
      out.parts.emplace_back(part);
    }
    i = j;
  }
  return out;
}

void DriveTable::MapDrive(char letter, std::filesystem::path host, DriveType type) {
  const int index = DriveIndex(letter);
  if (index < 0) return;
  drives_[static_cast<std::size_t>(index)] = Drive{std::move(host), type};
}

void DriveTable::Mount(std::string_view windowsFolder, std::filesystem::path host) {
  auto at = SplitWindowsPath(windowsFolder);
  if (!at) return;
  mounts_.push_back(MountPoint{std::move(*at), std::move(host)});
  std::stable_sort(mounts_.begin(), mounts_.end(),
                   [](const MountPoint& a, const MountPoint& b) { return a.at.parts.size() > b.at.parts.size(); });
}

DriveType DriveTable::TypeOf(char letter) const {
  const int index = DriveIndex(letter);
  return index < 0 ? DriveType::Absent : drives_[static_cast<std::size_t>(index)].type;
}

std::optional<std::filesystem::path> DriveTable::HostPath(std::string_view windowsPath) const {
  auto path = SplitWindowsPath(windowsPath);
  if (!path) return std::nullopt;
  const Drive& drive = drives_[static_cast<std::size_t>(path->drive - 'A')];
  if (drive.type == DriveType::Absent || drive.host.empty()) return std::nullopt;

  std::filesystem::path host = drive.host;
  std::size_t first = 0;
  for (const MountPoint& mount : mounts_) {
    if (StartsWith(*path, mount.at)) {
      host = mount.host;
      first = mount.at.parts.size();
      break;
    }
  }
  for (std::size_t i = first; i < path->parts.size(); ++i) host = ChildIgnoringCase(host, path->parts[i]);
  return host;
}

std::optional<std::string> DriveTable::WindowsPathOf(const std::filesystem::path& host) const {
  const auto target = host.lexically_normal();
  auto below = [&](const std::filesystem::path& root) -> std::optional<std::string> {
    const auto rel = target.lexically_relative(root.lexically_normal());
    if (rel.empty() || *rel.begin() == "..") return std::nullopt;
    std::string out;
    for (const auto& part : rel) {
      if (part == ".") continue;
      out += '\\';
      out += text::AnsiFromUtf8(part.string());
    }
    return out;
  };
  for (const MountPoint& mount : mounts_) {
    if (auto rest = below(mount.host)) {
      std::string out(1, mount.at.drive);
      out += ':';
      for (const auto& part : mount.at.parts) out += '\\' + part;
      return out + (rest->empty() && mount.at.parts.empty() ? "\\" : *rest);
    }
  }
  for (std::size_t i = 0; i < drives_.size(); ++i) {
    if (drives_[i].type == DriveType::Absent || drives_[i].host.empty()) continue;
    if (auto rest = below(drives_[i].host)) {
      std::string out(1, static_cast<char>('A' + i));
      out += ':';
      return out + (rest->empty() ? "\\" : *rest);
    }
  }
  return std::nullopt;
}

std::vector<char> DriveTable::MappedLetters() const {
  std::vector<char> out;
  for (std::size_t i = 0; i < drives_.size(); ++i)
    if (drives_[i].type != DriveType::Absent) out.push_back(static_cast<char>('A' + i));
  return out;
}

}  // namespace platform::fs
