// 'overlays install' end to end in a sandbox: what it says of each package
// it finds, and where the package and its files end up.

#include <gtest/gtest.h>

#include <fstream>

#include "CliRunner.h"
#include "kml/KmzArchive.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::ExpectCli;
using testing_support::RunCli;
using testing_support::TempFolder;
namespace stdfs = std::filesystem;

// A file to lay down before the install: a package holding one entry, or
// (entry null) bytes that are no archive at all. A package with `bytes`
// holds that many blanks, which deflate a thousandfold: a ZIP bomb.
struct Drop {
  const char* path;  // under the sandbox; "stick/..." is drive E:, removable
  const char* entry;
  std::size_t bytes = 0;
};

void Lay(const stdfs::path& sandbox, const Drop& drop) {
  const stdfs::path path = sandbox / drop.path;
  stdfs::create_directories(path.parent_path());
  if (drop.entry)
    testing_support::WriteKmz(path, {{drop.entry, drop.bytes ? std::string(drop.bytes, ' ') : "payload"}});
  else
    std::ofstream(path) << "not an archive";
}

struct InstallCase {
  const char* what;
  std::vector<Drop> drops;
  bool yes;
  int status;
  std::vector<std::string> out;  // each must appear on standard output
  std::string err;
  std::vector<const char*> remain;  // files under the sandbox afterwards
};

const char kDownload[] = "C/Navlore Download/";
// A wreck package on a removable drive, and a wind farm package downloaded.
const Drop kStickWrecks = {"stick/Wrecks Jan 2026.WKZ", "Wrecks Jan 2026.WRK"};
const Drop kFarms = {"C/Navlore Download/farms.WFZ", "farms.dat"};

TEST(CliInstall, ReportsWhatBecameOfEachPackage) {
  const InstallCase cases[] = {
      {"nothing waiting", {}, true, 0, {"wrecks: no WKZ package found", "wind farms: no WFZ package found"}, "", {}},
      {"declined", {kStickWrecks, kFarms}, false, 0,
       {"declined\n  the package stays at E:\\Wrecks Jan 2026.WKZ and is offered again",
        "wind farms: C:\\Navlore Download\\farms.WFZ\ndeclined\n  the package stays at"},
       "", {kStickWrecks.path, kFarms.path}},
      {"accepted", {kStickWrecks, kFarms}, true, 0,
       {"accepted\n  unpacked into C:\\MyData\\Wrecks\\: Wrecks Jan 2026.WRK\n",
        "filed away as C:\\Navlore Download\\Installed\\Wrecks Jan 2026.WKZ (a copy; the package stays on its drive)",
        "unpacked into C:\\MyData\\WindFarms\\: farms.dat\n",
        "filed away as C:\\Navlore Download\\Installed\\farms.WFZ\n"},
       "", {"C/MyData/Wrecks/Wrecks Jan 2026.WRK", kStickWrecks.path, "C/MyData/WindFarms/farms.dat"}},
      // An older database must not pass for the new one.
      {"no database in the package",
       {{"C/MyData/Wrecks/Wrecks Dec 2025.WRK", "x"}, {"C/Navlore Download/notes.WKZ", "notes.txt"}}, true, 1,
       {"unpacked into C:\\MyData\\Wrecks\\: notes.txt\n  no database (*.WRK) found in the package",
        "filed away as C:\\Navlore Download\\Installed\\notes.WKZ"},
       "C:\\Navlore Download\\notes.WKZ holds no WRK database", {}},
      // The module files a broken package away like a good one.
      {"broken package", {{"C/Navlore Download/broken.WKZ", nullptr}}, true, 1,
       {"nothing unpacked", "filed away as C:\\Navlore Download\\Installed\\broken.WKZ"},
       "cannot unpack C:\\Navlore Download\\broken.WKZ: not a ZIP archive",
       {"C/Navlore Download/Installed/broken.WKZ"}},
      {"a ZIP bomb", {{"C/Navlore Download/bomb.WKZ", "Bomb Jan 2026.WRK", 16u << 20}}, true, 1,
       {"nothing unpacked: refused as a ZIP bomb"},
       "cannot unpack C:\\Navlore Download\\bomb.WKZ: refused as a ZIP bomb",
       {"C/Navlore Download/Installed/bomb.WKZ"}},
      {"name already filed", {{"C/Navlore Download/Installed/farms.WFZ", "old.dat"}, kFarms}, true, 0,
       {"unpacked into C:\\MyData\\WindFarms\\: farms.dat\n",
        "removed: C:\\Navlore Download\\Installed\\ already holds a package of that name"},
       "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder sandbox;
    const stdfs::path root = sandbox.Path();
    stdfs::create_directories(root / "stick");
    for (const Drop& drop : c.drops) Lay(root, drop);
    std::vector<std::string> args = {"--root", root.string(), "--drive",
                                     "E=" + (root / "stick").string() + ",removable", "install"};
    if (c.yes) args.push_back("--yes");
    const CliResult r = ExpectCli({args, c.status, "", c.err});
    for (const auto& part : c.out) EXPECT_TRUE(Contains(r.out, part)) << part << "\n" << r.out;
    for (const char* path : c.remain) EXPECT_TRUE(stdfs::exists(root / path)) << path;
  }
}

// Unpacking keeps the file times stored in the archive, so the second
// install of one package leaves files that look untouched by size and
// modification time; they were still written, and are reported.
TEST(CliInstall, ASecondInstallOfOnePackageIsReported) {
  TempFolder sandbox;
  const stdfs::path download = sandbox.Path() / kDownload;
  Lay(sandbox.Path(), kFarms);
  const std::vector<std::string> install = {"--root", sandbox.Path().string(), "install", "--yes"};
  ASSERT_EQ(RunCli(install).status, 0);
  stdfs::copy_file(download / "Installed" / "farms.WFZ", download / "farms.WFZ");
  ExpectCli({install, 0, "unpacked into C:\\MyData\\WindFarms\\: farms.dat\n", ""});
}

}  // namespace
