// overlays install: offer the data packages that are waiting through the
// module's InstallOverlays, the wreck package and then the wind farm
// package, each in its install dialog; --yes accepts, otherwise the dialog
// is declined and the package stays to be offered again.
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
#include "frame/Exports.h"
#include "frame/Folders.h"
#include "frame/Packages.h"
#include "frame/PathText.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Automation.h"
#include "windfarm/WindFarmResources.h"
#include "wrecks/WreckResources.h"
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
  UINT installDialog;  // the template of the module's dialog that offers it
};

// In the order InstallOverlays offers them.
const PackageKind kPackageKinds[] = {
    {"wrecks", kWreckPackageExtension, kWrecksDataFolder, kWreckDatabaseExtension, IDD_WRECK_SPLASH},
    {"wind farms", kWindFarmPackageExtension, kWindFarmsDataFolder, nullptr, IDD_WIND_FARM_SPLASH},
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

// One package kind's part of the report: a header when its dialog opens
// (or, with no package, once the kinds before it are done), then what
// became of the package once the module has finished with it.
struct PackageReport {
  const PackageKind* kind = nullptr;
  std::string package;  // empty when none waits
  std::string dataFolder;
  FolderState dataBefore;
  bool headed = false;
  bool accepted = false;
  bool finished = false;
};

class InstallSession {
 public:
  explicit InstallSession(bool accept) : accept_(accept), installedBefore_(Snapshot(InstalledFolder())) {
    for (const PackageKind& kind : kPackageKinds) {
      PackageReport report;
      report.kind = &kind;
      if (FindPackageFile(kind.extension, report.package)) {
        FindDataFolder(report.dataFolder, kind.dataFolder);
        report.dataBefore = Snapshot(report.dataFolder);
      } else {
        report.package.clear();
      }
      reports_.push_back(std::move(report));
    }
  }

  // Answers the module's install dialogs through InstallOverlays, then
  // reports each kind; throws CommandError when a package installed
  // nothing usable.
  void Run() {
    platform::ui::ScopedAutomation automation([this](platform::ui::Driver& d) { AnswerDialog(d); });
    InstallOverlays();
    for (PackageReport& report : reports_) Finish(report);
    if (!problems_.empty()) throw CommandError(problems_);
  }

 private:
  void AnswerDialog(platform::ui::Driver& d) {
    if (d.Turn() != platform::ui::ModalTurn::Started) return;
    for (PackageReport& report : reports_) {
      if (report.kind->installDialog != d.TemplateId()) {
        Finish(report);  // offered before this one
        continue;
      }
      Head(report);
      if (d.TemplateId() == IDD_WRECK_SPLASH)
        std::cout << "install dialog \"" << Out(d.Caption()) << "\":\n  " << Out(d.Text(IDC_SPLASH_NOTICE)) << "\n";
      std::cout << (accept_ ? "accepted" : "declined") << "\n";
      report.accepted = accept_;
      d.Click(accept_ ? IDOK : IDCANCEL);
      return;
    }
  }

  void Head(PackageReport& report) {
    if (report.headed) return;
    report.headed = true;
    if (report.package.empty())
      std::cout << report.kind->label << ": no " << report.kind->extension << " package found\n";
    else
      std::cout << report.kind->label << ": " << Out(report.package) << "\n";
  }

  void Finish(PackageReport& report) {
    Head(report);
    if (report.finished || report.package.empty()) return;
    report.finished = true;
    if (!report.accepted) {
      std::cout << "  the package stays at " << Out(report.package) << " and is offered again\n";
      return;
    }
    const std::string problem = ReportUnpacked(*report.kind, report.package, report.dataFolder,
                                               Written(report.dataBefore, Snapshot(report.dataFolder)));
    ReportFiling(report.package, FiledOfKind(*report.kind));
    if (!problem.empty()) problems_ += (problems_.empty() ? "" : "; ") + problem;
  }

  // The packages of one kind that went into Installed during the run.
  std::vector<std::string> FiledOfKind(const PackageKind& kind) const {
    std::vector<std::string> filed;
    for (const std::string& name : Written(installedBefore_, Snapshot(InstalledFolder())))
      if (HasExtension(name, kind.extension)) filed.push_back(name);
    return filed;
  }

  bool accept_;
  FolderState installedBefore_;
  std::vector<PackageReport> reports_;
  std::string problems_;
};

}  // namespace

void AddInstallCommand(CLI::App& app, const Options&) {
  auto* cmd = app.add_subcommand("install", "Offer the waiting data packages; --yes accepts them");
  static bool yes = false;
  cmd->add_flag("--yes", yes, "Accept (install) the packages offered");
  cmd->callback([] { InstallSession(yes).Run(); });
}

}  // namespace host
