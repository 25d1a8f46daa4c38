// overlays demo: the main job on the bundled sample data. In a fresh
// sandbox it drops the sample wreck package into the download folder,
// installs it through the install dialog, loads it behind the loading
// dialog and prints a short summary with a few records.

#include <filesystem>
#include <iostream>

#include "Host.h"
#include "WreckReport.h"
#include "frame/Folders.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/Platform.h"
#include "wrecks/WreckList.h"

namespace host {
namespace {

namespace stdfs = std::filesystem;

// The bundled sample: installed beside the tool under share/, or, for a
// tool that runs from its build tree, where the build made it.
std::string SamplePackage() {
  std::error_code ec;
  const stdfs::path tool = stdfs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const stdfs::path installed =
        tool.parent_path() / OVERLAYS_SAMPLE_INSTALL_DIR / stdfs::path(OVERLAYS_SAMPLE_PACKAGE).filename();
    if (stdfs::is_regular_file(installed, ec)) return installed.lexically_normal().string();
  }
  return OVERLAYS_SAMPLE_PACKAGE;
}

struct DemoOptions {
  std::string package;
  long records = 5;
};

void RunDemo(const Options& options, const DemoOptions& demo) {
  std::error_code ec;
  const std::string package = demo.package.empty() ? SamplePackage() : demo.package;
  if (!stdfs::is_regular_file(package, ec)) throw CommandError("sample package not found: " + package);
  if (options.root.empty()) {
    // Never on the user's own folders: a sandbox of its own unless --root
    // names one.
    const stdfs::path sandbox = stdfs::temp_directory_path() / ("overlays-demo-" + std::to_string(::getpid()));
    InstallPlatform(Options{sandbox.string(), options.drives});
    std::cout << "sandbox: " << sandbox.string() << "\n";
  }
  const std::string dropped = GetDownloadFolder() + stdfs::path(package).filename().string();
  const auto target = platform::fs::ToHost(dropped);
  if (!target || !stdfs::copy_file(package, *target, stdfs::copy_options::overwrite_existing, ec))
    throw CommandError("cannot drop the sample package into " + Out(GetDownloadFolder()));
  std::cout << "dropped " << Out(dropped) << " (from " << package << ")\n\n";

  if (!InstallWrecksWithDialog(std::cout, true)) throw CommandError("the install dialog did not offer the package");
  std::cout << "\n";

  CWreckList wrecks, searchList;
  LoadWrecks(wrecks, searchList);
  PrintLoadSummary(std::cout, wrecks, searchList);
  std::cout << "\nfirst " << demo.records << " records:\n";
  PrintWrecks(std::cout, wrecks, demo.records, DumpFormat::Text);
  const bool empty = wrecks.GetSize() == 0;
  DeleteWrecks(wrecks);
  if (empty) throw CommandError("the sample database did not load");
}

}  // namespace

void AddDemoCommand(CLI::App& app, const Options& options) {
  static DemoOptions demo;
  auto* cmd = app.add_subcommand("demo", "Install and load the bundled sample wreck data in a sandbox");
  // The default is a path in the build tree, which means nothing to a user.
  cmd->add_option("--package", demo.package, "The wreck package to use (default: the bundled sample)");
  cmd->add_option("--records", demo.records, "How many records to print")->check(CLI::NonNegativeNumber);
  cmd->callback([&options] { RunDemo(options, demo); });
}

}  // namespace host
