// overlays install: offer the data packages that are waiting, through the
// module's install dialog; --yes accepts, otherwise the dialog is declined
// and the package stays to be offered again.

#include <iostream>

#include "Host.h"
#include "WreckReport.h"
#include "frame/Folders.h"
#include "frame/Packages.h"
#include "wrecks/WreckDatabase.h"

namespace host {
namespace {

// "cannot unpack PACKAGE", with the archive reader's reason when it gave one
// (a ZIP bomb, a damaged entry).
std::string CannotUnpack(const std::string& package) {
  const UnzipRefusal& refusal = LastUnpackRefusal();
  return "cannot unpack " + Out(package) +
         (refusal.problem == UnzipProblem::None ? "" : ": " + Out(DescribeRefusal(refusal)));
}

// Wind farm packages are unpacked directly until their install dialog
// exists in the module.
void InstallWindFarmPackage(bool yes) {
  std::string package;
  if (!FindPackageFile(kWindFarmPackageExtension, package)) {
    std::cout << "wind farms: no " << kWindFarmPackageExtension << " package found\n";
    return;
  }
  std::cout << "wind farms: " << Out(package) << "\n";
  if (!yes) return;
  std::string folder;
  if (!FindDataFolder(folder, kWindFarmsDataFolder)) throw CommandError("no data folder for wind farms");
  const bool unpacked = UnpackPackage(folder, package);
  // Filed away even when unpacking failed, so a broken package is not
  // offered at every start.
  MoveToInstalled(package);
  if (!unpacked) throw CommandError(CannotUnpack(package));
  std::cout << "  installed into " << Out(folder) << "\n";
}

void InstallWreckPackage(bool yes) {
  std::string package;
  if (!FindPackageFile(kWreckPackageExtension, package)) {
    std::cout << "wrecks: no " << kWreckPackageExtension << " package found\n";
    return;
  }
  std::cout << "wrecks: " << Out(package) << "\n";
  InstallWrecksWithDialog(std::cout, yes);
  if (!yes) return;
  std::string folder;
  FindDataFolder(folder, kWrecksDataFolder);
  std::string database;
  if (!FindLatestDatabase(folder, "WRK", database)) throw CommandError(CannotUnpack(package));
  std::cout << "  installed into " << Out(folder) << "\n";
}

}  // namespace

void AddInstallCommand(CLI::App& app, const Options&) {
  auto* cmd = app.add_subcommand("install", "Offer the waiting data packages; --yes accepts them");
  static bool yes = false;
  cmd->add_flag("--yes", yes, "Accept (install) the packages offered");
  cmd->callback([] {
    InstallWreckPackage(yes);
    InstallWindFarmPackage(yes);
  });
}

}  // namespace host
