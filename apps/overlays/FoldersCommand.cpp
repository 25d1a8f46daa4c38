// overlays folders: where the module finds each of its folders.

#include <iomanip>
#include <iostream>

#include "Host.h"
#include "frame/Folders.h"

namespace host {
namespace {

struct FolderRow {
  const char* label;
  std::string path;
};

std::string Or(bool found, const std::string& path) { return found ? path : std::string(); }

void PrintFolders() {
  std::string data, defaultData, wrecks, windFarms;
  const bool redirected = GetDataFolder(data);
  const bool found = GetDefaultDataFolder(defaultData);
  const bool wrecksFound = FindDataFolder(wrecks, kWrecksDataFolder);
  const bool windFarmsFound = FindDataFolder(windFarms, kWindFarmsDataFolder);
  const FolderRow rows[] = {
      {"download", GetDownloadFolder()},
      {"user downloads", GetUserDownloadsFolder()},
      {"my drives", GetMyDrivesFolder()},
      {"data (redirected)", Or(redirected, data)},
      {"data (default)", Or(found, defaultData)},
      {"wrecks data", Or(wrecksFound, wrecks)},
      {"wind farms data", Or(windFarmsFound, windFarms)},
      {"settings", GetSettingsFolder()},
  };
  for (const auto& row : rows) {
    std::cout << std::left << std::setw(18) << row.label << "  ";
    if (row.path.empty()) {
      std::cout << "(none)\n";
    } else {
      std::cout << Out(row.path) << "\n" << std::setw(20) << "" << "-> " << HostPathText(row.path) << "\n";
    }
  }
}

}  // namespace

void AddFoldersCommand(CLI::App& app, const Options&) {
  auto* cmd = app.add_subcommand("folders", "Show each folder of the module, as a Windows path and as a host path");
  cmd->callback(PrintFolders);
}

}  // namespace host
