// overlays install: find the data packages that are waiting and, with
// --yes, install them.

#include <iostream>

#include "Host.h"
#include "frame/Folders.h"
#include "frame/Packages.h"

namespace host {
namespace {

struct PackageKind {
  const char* label;
  const char* extension;
  const char* dataFolder;
};

constexpr PackageKind kPackages[] = {
    {"wrecks", kWreckPackageExtension, kWrecksDataFolder},
    {"wind farms", kWindFarmPackageExtension, kWindFarmsDataFolder},
};

void Install(bool yes) {
  int found = 0;
  for (const auto& kind : kPackages) {
    std::string package;
    if (!FindPackageFile(kind.extension, package)) {
      std::cout << kind.label << ": no " << kind.extension << " package found\n";
      continue;
    }
    ++found;
    std::cout << kind.label << ": " << Out(package) << "\n";
    if (!yes) continue;
    std::string folder;
    if (!FindDataFolder(folder, kind.dataFolder)) throw CommandError(std::string("no data folder for ") + kind.label);
    const bool unpacked = UnpackPackage(folder, package);
    // Filed away even when unpacking failed, so a broken package is not
    // offered at every start.
    MoveToInstalled(package);
    if (!unpacked) throw CommandError("cannot unpack " + Out(package));
    std::cout << "  installed into " << Out(folder) << "\n";
  }
  if (found > 0 && !yes) std::cout << "run with --yes to install\n";
}

}  // namespace

void AddInstallCommand(CLI::App& app, const Options&) {
  auto* cmd = app.add_subcommand("install", "Find the waiting data packages and, with --yes, install them");
  static bool yes = false;
  cmd->add_flag("--yes", yes, "Install the packages found");
  cmd->callback([] { Install(yes); });
}

}  // namespace host
