// overlays install: offer the data packages that are waiting, through the
// module's install dialog; --yes accepts, otherwise the dialog is declined
// and the package stays to be offered again.
//
// The module installs quietly: it neither says what it unpacked nor that a
// package could not be read, and files a broken package away like a good
// one. The host finds out what happened by looking at the data folder, the
// Installed folder and the package's place before and after, and reports
// it package by package.

#include <sys/stat.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "Host.h"
#include "WreckReport.h"
#include "frame/Folders.h"
#include "frame/Packages.h"
#include "frame/PathText.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"
#include "wrecks/WreckDatabase.h"

namespace host {
namespace {

namespace stdfs = std::filesystem;

// What tells one version of a file from another. The change time moves on
// every write and cannot be set back, unlike the modification time, which
// the unpacker sets to the time stored in the archive: a package unpacked
// twice leaves files with the same size and modification time.
struct FileStamp {
  ino_t inode = 0;
  long long changedNs = 0;
  off_t size = 0;
  bool operator==(const FileStamp&) const = default;
};

// The files under a folder (paths relative to it, with Windows
// separators) and their stamps.
using FolderState = std::map<std::string, FileStamp>;

stdfs::path HostPath(const std::string& windowsPath) { return platform::fs::ToHost(windowsPath).value_or(""); }

FolderState Snapshot(const std::string& windowsFolder) {
  FolderState state;
  const stdfs::path folder = HostPath(windowsFolder);
  std::error_code ec;
  for (auto it = stdfs::recursive_directory_iterator(folder, ec); !ec && it != stdfs::recursive_directory_iterator();
       it.increment(ec)) {
    struct stat info {};
    if (!it->is_regular_file(ec) || ::stat(it->path().c_str(), &info) != 0) continue;
    std::string name = it->path().lexically_relative(folder).generic_string();
    for (char& c : name) c = c == '/' ? '\\' : c;
    state[name] = {info.st_ino, info.st_ctim.tv_sec * 1'000'000'000LL + info.st_ctim.tv_nsec, info.st_size};
  }
  return state;
}

// The files that are new, or were written again, since `before`.
std::vector<std::string> Written(const FolderState& before, const FolderState& after) {
  std::vector<std::string> names;
  for (const auto& [name, stamp] : after)
    if (const auto old = before.find(name); old == before.end() || !(old->second == stamp)) names.push_back(name);
  return names;
}

bool Exists(const std::string& windowsPath) {
  std::error_code ec;
  return stdfs::exists(HostPath(windowsPath), ec);
}

std::string InstalledFolder() { return GetDownloadFolder() + kInstalledFolderName + '\\'; }

struct PackageKind {
  const char* label;       // "wrecks"
  const char* extension;   // of the package
  const char* dataFolder;  // sub-folder of MyData it unpacks into
  // The extension of the file the data comes from; null when any file will do.
  const char* databaseExtension;
  // Runs the module's install of the package that was found, pressing
  // Accept or Decline.
  void (*install)(const std::string& package, bool accept);
};

// The module finds the package again itself.
void InstallWreckPackage(const std::string&, bool accept) { InstallWrecksWithDialog(std::cout, accept); }

// The module has no install dialog for wind farms yet: the host accepts or
// declines itself and takes the module's steps of an accepted install.
void InstallWindFarmPackage(const std::string& package, bool accept) {
  std::cout << (accept ? "accepted" : "declined") << "\n";
  if (!accept) return;
  std::string folder;
  FindDataFolder(folder, kWindFarmsDataFolder);
  UnpackPackage(folder, package);
  MoveToInstalled(package);
}

const PackageKind kPackageKinds[] = {
    {"wrecks", kWreckPackageExtension, kWrecksDataFolder, kWreckDatabaseExtension, InstallWreckPackage},
    {"wind farms", kWindFarmPackageExtension, kWindFarmsDataFolder, nullptr, InstallWindFarmPackage},
};

bool HasExtension(const std::string& name, const char* extension) {
  return platform::text::EqualsIgnoringCase(ExtensionOfPath(name), extension);
}

// What became of the package itself: moved or copied into Installed, or
// deleted because Installed already held one of that name.
void ReportFiling(const std::string& package, const std::vector<std::string>& filed) {
  const bool stays = Exists(package);
  if (!filed.empty()) {
    std::cout << "  filed away as " << Out(InstalledFolder() + filed.front())
              << (stays ? " (a copy; the package stays on its drive)" : "") << "\n";
  } else if (!stays) {
    std::cout << "  removed: " << Out(InstalledFolder()) << " already holds a package of that name\n";
  } else {
    std::cout << "  not filed away: it stays at " << Out(package) << " and is offered again\n";
  }
}

// Why an accepted package left nothing: the archive reader's reason when it
// refused (a ZIP bomb, a damaged entry), else the usual cause.
std::string UnpackFailure() {
  const UnzipRefusal& refusal = LastUnpackRefusal();
  return refusal.problem == UnzipProblem::None ? "not a readable ZIP archive, or empty"
                                               : Out(DescribeRefusal(refusal));
}

// What an accepted package left in its data folder; the reason when that
// is nothing usable, else empty.
std::string ReportUnpacked(const PackageKind& kind, const std::string& package, const std::string& dataFolder,
                           const std::vector<std::string>& unpacked) {
  if (unpacked.empty()) {
    const std::string reason = UnpackFailure();
    std::cout << "  nothing unpacked: " << reason << "\n";
    return "cannot unpack " + Out(package) + ": " + reason;
  }
  std::cout << "  unpacked into " << Out(dataFolder) << ": ";
  for (const auto& name : unpacked) std::cout << (&name == &unpacked.front() ? "" : ", ") << name;
  std::cout << "\n";
  if (LastUnpackRefusal().problem != UnzipProblem::None)
    std::cout << "  the rest was left: " << UnpackFailure() << "\n";
  bool database = !kind.databaseExtension;
  for (const auto& name : unpacked) database = database || HasExtension(name, kind.databaseExtension);
  if (database) return {};
  std::cout << "  no database (*." << kind.databaseExtension << ") found in the package\n";
  return Out(package) + " holds no " + kind.databaseExtension + " database";
}

// Offers and installs the waiting package of one kind; the reason when it
// installed nothing usable, else empty.
std::string InstallPackage(const PackageKind& kind, bool accept) {
  std::string package;
  if (!FindPackageFile(kind.extension, package)) {
    std::cout << kind.label << ": no " << kind.extension << " package found\n";
    return {};
  }
  std::cout << kind.label << ": " << Out(package) << "\n";
  if (!accept) {
    kind.install(package, false);
    std::cout << "  the package stays at " << Out(package) << " and is offered again\n";
    return {};
  }
  std::string dataFolder;
  FindDataFolder(dataFolder, kind.dataFolder);
  const FolderState dataBefore = Snapshot(dataFolder), installedBefore = Snapshot(InstalledFolder());
  kind.install(package, true);
  const std::string problem = ReportUnpacked(kind, package, dataFolder, Written(dataBefore, Snapshot(dataFolder)));
  ReportFiling(package, Written(installedBefore, Snapshot(InstalledFolder())));
  return problem;
}

void InstallPackages(bool accept) {
  std::string problems;
  for (const PackageKind& kind : kPackageKinds) {
    const std::string problem = InstallPackage(kind, accept);
    if (!problem.empty()) problems += (problems.empty() ? "" : "; ") + problem;
  }
  if (!problems.empty()) throw CommandError(problems);
}

}  // namespace

void AddInstallCommand(CLI::App& app, const Options&) {
  auto* cmd = app.add_subcommand("install", "Offer the waiting data packages; --yes accepts them");
  static bool yes = false;
  cmd->add_flag("--yes", yes, "Accept (install) the packages offered");
  cmd->callback([] { InstallPackages(yes); });
}

}  // namespace host
