#pragma once
// Host files as the module names them: the module takes Windows paths
// only, so a command that hands it a file the user named shows that file
// through the drive table.

#include <filesystem>
#include <string>

namespace host {

// "C:\..." or "c:/...": a path the module can take as it is.
bool IsWindowsPath(const std::string& path);

// The Windows path of a host file (which need not exist yet). One inside a
// mapped drive is named through the drive table; one outside every drive
// gets its folder mounted on a spare letter as a fixed drive, the way a
// user would map a network folder. Throws CommandError when no letter is
// spare.
std::string WindowsPathShowing(const std::filesystem::path& host);

// A file the user named for the module to read: a Windows path as it is,
// else an existing host file through WindowsPathShowing, so that files
// beside it (a KMZ's temporary folder, a shapefile's companions) are
// reached and written as on Windows. Throws CommandError when the host
// file does not exist.
std::string ModuleFilePath(const std::string& argument);

}  // namespace host
