// overlays grids install: copies the bundled grid-shift files into the data
// folders where the shifts and the datum object look for them: the OSTN15
// pair into "OSTN", the NTv2 files into "Global" and the NADCON pairs, when
// bundled, into "Nadcon". Files already there are replaced.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Host.h"
#include "frame/Folders.h"
#include "geodesy/shift/Ostn15.h"
#include "platform/fs/FileSystem.h"

namespace host {
namespace {

namespace stdfs = std::filesystem;

struct BundledGrids {
  const char* dataFolder;
  const char* installedName;  // folder under share/overlays/grids
  const char* buildFolder;    // where a build tree keeps them
  std::vector<std::string> extensions;  // lower case, with the dot
  bool required;
};

const BundledGrids kBundledGrids[] = {
    {kOstnDataFolder, "ostn15", OVERLAYS_OSTN_BUILD_DIR, {".gsb"}, true},
    {kGlobalDataFolder, "ntv2", OVERLAYS_GRIDS_DIR "/ntv2", {".gsb"}, true},
    {"Nadcon", "nadcon", OVERLAYS_GRIDS_DIR "/nadcon", {".las", ".los"}, false},
};

// An installed tree keeps the grids beside the tool's share folder, so it
// can move; a build tree uses the paths it was built with.
stdfs::path BundleFolder(const BundledGrids& bundle) {
  std::error_code ec;
  const stdfs::path tool = stdfs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const stdfs::path installed =
        tool.parent_path() / OVERLAYS_SAMPLE_INSTALL_DIR / "grids" / bundle.installedName;
    if (stdfs::is_directory(installed, ec)) return installed.lexically_normal();
  }
  return bundle.buildFolder;
}

bool IsGridFile(const stdfs::directory_entry& entry, const std::vector<std::string>& extensions) {
  std::error_code ec;
  std::string extension = entry.path().extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return entry.is_regular_file(ec) &&
         std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

void InstallBundle(const BundledGrids& bundle) {
  const stdfs::path from = BundleFolder(bundle);
  std::error_code ec;
  if (!stdfs::is_directory(from, ec)) {
    if (bundle.required) throw CommandError("the bundled grids are missing: " + from.string());
    return;
  }
  std::string folder;
  const auto to = FindDataFolder(folder, bundle.dataFolder) ? platform::fs::ToHost(folder) : std::nullopt;
  if (!to) throw CommandError(std::string("cannot make the ") + bundle.dataFolder + " data folder");
  int copied = 0;
  for (const auto& entry : stdfs::directory_iterator(from, ec)) {
    if (!IsGridFile(entry, bundle.extensions)) continue;
    stdfs::copy_file(entry.path(), *to / entry.path().filename(), stdfs::copy_options::overwrite_existing, ec);
    if (ec) throw CommandError("cannot copy " + entry.path().string() + " to " + to->string() + ": " + ec.message());
    ++copied;
  }
  std::cout << bundle.dataFolder << ": " << copied << " files into " << to->string() << "\n";
}

}  // namespace

void AddGridsInstallCommand(CLI::App& grids, const Options&) {
  auto* cmd = grids.add_subcommand(
      "install", "Copy the bundled grid-shift files into their data folders (OSTN, Global, Nadcon)");
  cmd->callback([] {
    for (const BundledGrids& bundle : kBundledGrids) InstallBundle(bundle);
  });
}

}  // namespace host
