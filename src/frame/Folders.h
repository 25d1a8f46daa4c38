#pragma once
// Where the module finds its folders: fixed rules on the drive letters and
// shell folders, no registry. Every folder path returned ends with "\".
// None of these shows a message; a folder that cannot be made gives false or
// an empty path and the caller carries on with empty lists.

#include <string>

inline constexpr char kDownloadFolderName[] = "Navlore Download";
inline constexpr char kInstalledFolderName[] = "Installed";
inline constexpr char kDataTreeName[] = "MyData";
inline constexpr char kMyDrivesFolderName[] = "MyDrives";
inline constexpr char kSettingsTreeName[] = "MySettings";
inline constexpr char kWreckPackageExtension[] = "WKZ";
inline constexpr char kWindFarmPackageExtension[] = "WFZ";
inline constexpr char kWrecksDataFolder[] = "Wrecks";
inline constexpr char kWindFarmsDataFolder[] = "WindFarms";
// The "Global" data package: the user's geodesy files.
inline constexpr char kGlobalDataFolder[] = "Global";

// The folder where data packages are dropped, on the drive of the common
// application data folder; created if missing.
std::string GetDownloadFolder();

// The Downloads folder of the user's profile, or empty when there is none.
std::string GetUserDownloadsFolder();

// The first package of the extension on a removable or CD-ROM drive (A to
// Z), else in the download folder, else in the user's Downloads folder.
bool FindPackageFile(const char* extension, std::string& path);

// The MyDrives folder at the root of the Windows drive; created if missing.
std::string GetMyDrivesFolder();

// The data folder named by the one-line redirection file "MyData.INI" in the
// MyDrives folder, with `sub` appended when given.
bool GetDataFolder(std::string& path, const char* sub = nullptr);

// A MyData folder at the root of C:, or of a fixed D: or E:, found or made.
bool GetDefaultDataFolder(std::string& path, const char* sub = nullptr);

// GetDataFolder, and GetDefaultDataFolder when that fails: the way every
// user of a data sub-folder finds it.
bool FindDataFolder(std::string& path, const char* sub);

// A folder of that name at the root of C:, else found or made on a fixed D:
// or E:, else made on C:.
bool FindRootFolder(const char* name, std::string& path);

// MySettings plus a sub-folder named after the host program.
std::string GetSettingsFolder();

// Creates every level of a path from the first below the drive; true when
// any level exists afterwards.
bool CreateFolderPath(std::string path);
