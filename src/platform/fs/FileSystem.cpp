#include "platform/fs/FileSystem.h"

#include <sys/stat.h>
#include <fcntl.h>

#include <algorithm>
#include <system_error>

#include "platform/fs/Platform.h"
#include "platform/text/CodePage.h"

namespace platform::fs {
namespace stdfs = std::filesystem;
namespace {

std::string JoinWindowsPath(const WindowsPath& path, bool trailingSeparator) {
  std::string out{path.drive, ':'};
  for (const auto& part : path.parts) out += '\\' + part;
  if (path.parts.empty() || trailingSeparator) out += '\\';
  return out;
}

// The absolute form of `path` before normalisation.
std::string Absolute(std::string_view path, const Platform& platform) {
  if (path.size() >= 2 && path[1] == ':') {
    // "C:name" is relative to the drive's current folder; the module never
    // keeps one per drive, so the drive's root stands in for it.
    if (path.size() == 2 || !IsPathSeparator(path[2])) return std::string(path.substr(0, 2)) + '\\' + std::string(path.substr(2));
    return std::string(path);
  }
  const std::string& current = platform.currentDirectory;
  if (!path.empty() && IsPathSeparator(path[0])) return current.substr(0, 2) + std::string(path);
  return current + '\\' + std::string(path);
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  // Iterative match with one backtrack point: linear in practice and never
  // recursive, whatever the pattern.
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || text::AnsiToUpper(static_cast<unsigned char>(pattern[p])) ==
                                         text::AnsiToUpper(static_cast<unsigned char>(name[n])))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return text::AnsiToUpper(static_cast<unsigned char>(x)) < text::AnsiToUpper(static_cast<unsigned char>(y));
  });
}

bool CopyHostFile(const stdfs::path& from, const stdfs::path& to, bool failIfExists) {
  std::error_code ec;
  if (!stdfs::is_regular_file(from, ec)) return false;
  const auto options = failIfExists ? stdfs::copy_options::none : stdfs::copy_options::overwrite_existing;
  return stdfs::copy_file(from, to, options, ec) && !ec;
}

}  // namespace

std::optional<stdfs::path> ToHost(std::string_view path) {
  const auto platform = Current();
  const std::string full = FullPath(path, std::string::npos);
  if (full.empty()) return std::nullopt;
  return platform->drives.HostPath(full);
}

std::string FullPath(std::string_view path, std::size_t maxLength) {
  if (path.empty()) return {};
  const auto platform = Current();
  const auto split = SplitWindowsPath(Absolute(path, *platform));
  if (!split) return {};
  std::string out = JoinWindowsPath(*split, IsPathSeparator(path.back()));
  return out.size() > maxLength ? std::string() : out;
}

DriveType GetDriveType(char letter) { return Current()->drives.TypeOf(letter); }

bool FolderExists(std::string_view path) {
  const auto host = ToHost(path);
  std::error_code ec;
  return host && stdfs::is_directory(*host, ec);
}

bool FileExists(std::string_view path) {
  const auto host = ToHost(path);
  std::error_code ec;
  return host && stdfs::is_regular_file(*host, ec);
}

CreateResult CreateFolder(std::string_view path) {
  const auto host = ToHost(path);
  if (!host) return CreateResult::Failed;
  std::error_code ec;
  if (stdfs::exists(*host, ec)) return CreateResult::AlreadyExists;
  return stdfs::create_directory(*host, ec) && !ec ? CreateResult::Created : CreateResult::Failed;
}

bool RemoveFolder(std::string_view path) {
  const auto host = ToHost(path);
  std::error_code ec;
  return host && stdfs::is_directory(*host, ec) && stdfs::remove(*host, ec) && !ec;
}

std::vector<FoundFile> FindFiles(std::string_view pattern) {
  std::vector<FoundFile> found;
  const auto cut = pattern.find_last_of("\\/");
  if (cut == std::string_view::npos) return found;
  const auto host = ToHost(pattern.substr(0, cut + 1));
  if (!host) return found;
  const std::string_view namePattern = pattern.substr(cut + 1);
  std::error_code ec;
  for (stdfs::directory_iterator it(*host, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = text::AnsiFromUtf8(it->path().filename().string());
    if (!WildcardMatch(namePattern, name)) continue;
    std::error_code statError;
    FoundFile file{std::move(name), it->is_directory(statError), 0};
    if (!file.folder) file.size = it->file_size(statError);
    found.push_back(std::move(file));
  }
  std::sort(found.begin(), found.end(), [](const FoundFile& a, const FoundFile& b) { return LessIgnoringCase(a.name, b.name); });
  return found;
}

FilePtr OpenFile(std::string_view path, const char* mode) {
  const auto host = ToHost(path);
  if (!host) return nullptr;
  std::error_code ec;
  if (stdfs::is_directory(*host, ec)) return nullptr;
  return FilePtr(std::fopen(host->c_str(), mode));
}

bool MoveFile(std::string_view from, std::string_view to, MoveMode mode) {
  const auto source = ToHost(from);
  const auto target = ToHost(to);
  std::error_code ec;
  if (!source || !target || !stdfs::exists(*source, ec)) return false;
  if (stdfs::exists(*target, ec)) {
    if (mode == MoveMode::FailIfExists || stdfs::is_directory(*target, ec)) return false;
  }
  stdfs::rename(*source, *target, ec);
  if (!ec) return true;
  if (ec != std::errc::cross_device_link) return false;
  return CopyHostFile(*source, *target, false) && stdfs::remove(*source, ec);
}

bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) {
  const auto source = ToHost(from);
  const auto target = ToHost(to);
  return source && target && CopyHostFile(*source, *target, failIfExists);
}

bool DeleteFile(std::string_view path) {
  const auto host = ToHost(path);
  std::error_code ec;
  return host && stdfs::is_regular_file(*host, ec) && stdfs::remove(*host, ec);
}

std::optional<std::uint64_t> FileSize(std::string_view path) {
  const auto host = ToHost(path);
  std::error_code ec;
  if (!host) return std::nullopt;
  const auto size = stdfs::file_size(*host, ec);
  return ec ? std::nullopt : std::optional<std::uint64_t>(size);
}

std::optional<std::uint64_t> FreeSpace(std::string_view path) {
  auto host = ToHost(path);
  if (!host) return std::nullopt;
  std::error_code ec;
  stdfs::path probe = *host;
  while (!probe.empty() && !stdfs::exists(probe, ec)) {
    if (probe == probe.parent_path()) return std::nullopt;
    probe = probe.parent_path();
  }
  const auto info = stdfs::space(probe, ec);
  return ec ? std::nullopt : std::optional<std::uint64_t>(info.available);
}

std::optional<std::time_t> TimeFromDos(std::uint32_t dosDateTime) {
  const unsigned date = dosDateTime >> 16, time = dosDateTime & 0xFFFF;
  std::tm tm{};
  tm.tm_year = static_cast<int>(((date >> 9) & 0x7F) + 80);
  tm.tm_mon = static_cast<int>((date >> 5) & 0x0F) - 1;
  tm.tm_mday = static_cast<int>(date & 0x1F);
  tm.tm_hour = static_cast<int>((time >> 11) & 0x1F);
  tm.tm_min = static_cast<int>((time >> 5) & 0x3F);
  tm.tm_sec = static_cast<int>((time & 0x1F) * 2);
  tm.tm_isdst = -1;
  // The fields are taken as given, the way the Windows conversion does:
  // a month or day of 0, or a second of 60, is not a date.
  if (tm.tm_mon < 0 || tm.tm_mon > 11 || tm.tm_mday < 1 || tm.tm_hour > 23 || tm.tm_min > 59 || tm.tm_sec > 59)
    return std::nullopt;
  const std::time_t t = std::mktime(&tm);
  return t == static_cast<std::time_t>(-1) ? std::nullopt : std::optional<std::time_t>(t);
}

std::uint32_t DosFromTime(std::time_t t) {
  std::tm tm{};
  localtime_r(&t, &tm);
  const int year = std::clamp(tm.tm_year + 1900, 1980, 2107);
  const std::uint32_t date = static_cast<std::uint32_t>(((year - 1980) << 9) | ((tm.tm_mon + 1) << 5) | tm.tm_mday);
  const std::uint32_t time = static_cast<std::uint32_t>((tm.tm_hour << 11) | (tm.tm_min << 5) | (tm.tm_sec / 2));
  return date << 16 | time;
}

bool SetFileTimesFromDos(std::string_view path, std::uint32_t dosDateTime) {
  const auto host = ToHost(path);
  const auto when = TimeFromDos(dosDateTime);
  if (!host || !when) return false;
  // Linux keeps no settable creation time, so the last-write time carries it.
  const timespec times[2] = {{0, UTIME_OMIT}, {*when, 0}};
  return utimensat(AT_FDCWD, host->c_str(), times, 0) == 0;
}

std::optional<std::time_t> LastWriteTime(std::string_view path) {
  const auto host = ToHost(path);
  struct stat st {};
  if (!host || stat(host->c_str(), &st) != 0) return std::nullopt;
  return st.st_mtime;
}

std::string GetShellFolder(ShellFolder which) {
  const auto platform = Current();
  switch (which) {
    case ShellFolder::CommonAppData: return platform->shell.commonAppData;
    case ShellFolder::RoamingAppData: return platform->shell.roamingAppData;
    case ShellFolder::Windows: break;
  }
  return platform->shell.windows;
}

std::string GetCommandLine() { return Current()->commandLine; }

LocalTime GetLocalTime() {
  const std::time_t now = Current()->clock();
  std::tm tm{};
  localtime_r(&now, &tm);
  return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday, tm.tm_yday};
}

}  // namespace platform::fs
