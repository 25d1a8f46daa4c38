#pragma once
// The shell's file operations on Windows paths, resolved through the current
// platform's drive table. This is the only code of the product that touches
// the host file system on the module's behalf. Every call fails quietly (a
// false result, an empty list, a null handle), as the Windows calls do.

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fs/DriveTable.h"

namespace platform::fs {

struct FileCloser {
  void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The host path behind a Windows path. Relative paths start from the
// platform's current folder; a path on an absent drive has none.
OVERLAYS_API std::optional<std::filesystem::path> ToHost(std::string_view path);

// Absolute, normalised form of a path: relative paths joined to the current
// folder, "." and ".." applied, "/" turned into "\". Empty when the result
// would be longer than `maxLength` characters or names no drive.
std::string FullPath(std::string_view path, std::size_t maxLength = 260);

DriveType GetDriveType(char letter);
bool FolderExists(std::string_view path);
bool FileExists(std::string_view path);

enum class CreateResult { Created, AlreadyExists, Failed };
// Creates one folder level; its parent must exist.
CreateResult CreateFolder(std::string_view path);
// Removes an empty folder.
bool RemoveFolder(std::string_view path);

struct FoundFile {
  std::string name;  // file name only, Windows-1252
  bool folder = false;
  std::uint64_t size = 0;
};
// Entries of one folder matching a pattern such as "C:\Data\*.WKZ": '*' and
// '?' in the last component, compared ignoring case. The order is by name
// ignoring case, which is what an NTFS volume returns.
std::vector<FoundFile> FindFiles(std::string_view pattern);

// fopen on the host file behind a Windows path; modes as fopen's.
FilePtr OpenFile(std::string_view path, const char* mode);

enum class MoveMode { FailIfExists, ReplaceExisting };
// Moves within or across drives; across host file systems the file is
// copied and the original deleted, as the shell does between volumes.
bool MoveFile(std::string_view from, std::string_view to, MoveMode mode = MoveMode::FailIfExists);
bool CopyFile(std::string_view from, std::string_view to, bool failIfExists);
bool DeleteFile(std::string_view path);
std::optional<std::uint64_t> FileSize(std::string_view path);
// Bytes free to the caller on the volume holding the path (or its nearest
// existing ancestor).
std::optional<std::uint64_t> FreeSpace(std::string_view path);

// A DOS date (high 16 bits) and time (low 16 bits), read as local time.
std::optional<std::time_t> TimeFromDos(std::uint32_t dosDateTime);
std::uint32_t DosFromTime(std::time_t t);
// Sets the last-write time (and the creation time, where the host keeps
// one) from a DOS date and time; the last-access time is left alone.
bool SetFileTimesFromDos(std::string_view path, std::uint32_t dosDateTime);
std::optional<std::time_t> LastWriteTime(std::string_view path);

enum class ShellFolder { CommonAppData, RoamingAppData, Windows };
std::string GetShellFolder(ShellFolder which);
std::string GetCommandLine();

struct LocalTime {
  int year = 0, month = 0, day = 0;  // month 1..12
  int hour = 0, minute = 0, second = 0;
  int dayOfWeek = 0;  // 0 = Sunday
  int dayOfYear = 0;  // 0 = 1 January
};
LocalTime GetLocalTime();

}  // namespace platform::fs
