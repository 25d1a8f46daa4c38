// The command-line host end to end in a sandbox: the folders it reports and
// the packages it installs.

#include <gtest/gtest.h>

#include <fstream>

#include "CliRunner.h"
#include "ZipWriter.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::RunCli;
using testing_support::TempFolder;
namespace stdfs = std::filesystem;

void WritePackage(const stdfs::path& path, const std::string& fileName) {
  stdfs::create_directories(path.parent_path());
  tools::ZipWriter zip(path);
  zip.AddFile(fileName, "payload");
  zip.Close();
}

TEST(CliFolders, ReportsEachFolderAsWindowsAndHostPath) {
  TempFolder sandbox;
  const CliResult r = RunCli({"--root", sandbox.Path().string(), "folders"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "C:\\Navlore Download\\")) << r.out;
  EXPECT_TRUE(Contains(r.out, "C:\\MySettings\\overlays\\")) << r.out;
  EXPECT_TRUE(Contains(r.out, "C:\\MyData\\Wrecks\\")) << r.out;
  EXPECT_TRUE(Contains(r.out, (sandbox.Path() / "C" / "MyData" / "Wrecks").string())) << r.out;
  EXPECT_TRUE(stdfs::is_directory(sandbox.Path() / "C" / "MySettings" / "overlays"));
}

TEST(CliInstall, ListsThenInstallsFromARemovableDrive) {
  TempFolder sandbox, stick;
  WritePackage(stick.Path() / "Wrecks Jan 2026.WKZ", "Wrecks Jan 2026.WRK");
  WritePackage(sandbox.Path() / "C" / "Navlore Download" / "farms.WFZ", "farms.dat");
  const std::vector<std::string> base = {"--root", sandbox.Path().string(), "--drive",
                                         "E=" + stick.Path().string() + ",removable", "install"};

  CliResult r = RunCli(base);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "wrecks: E:\\Wrecks Jan 2026.WKZ")) << r.out;
  EXPECT_TRUE(Contains(r.out, "wind farms: C:\\Navlore Download\\farms.WFZ")) << r.out;
  EXPECT_FALSE(stdfs::exists(sandbox.Path() / "C" / "MyData" / "Wrecks" / "Wrecks Jan 2026.WRK"));

  auto withYes = base;
  withYes.push_back("--yes");
  r = RunCli(withYes);
  ASSERT_EQ(r.status, 0) << r.err;
  const auto c = sandbox.Path() / "C";
  EXPECT_TRUE(stdfs::exists(c / "MyData" / "Wrecks" / "Wrecks Jan 2026.WRK"));
  EXPECT_TRUE(stdfs::exists(c / "MyData" / "WindFarms" / "farms.dat"));
  // The stick's package is copied and stays; the dropped one is moved.
  EXPECT_TRUE(stdfs::exists(stick.Path() / "Wrecks Jan 2026.WKZ"));
  EXPECT_TRUE(stdfs::exists(c / "Navlore Download" / "Installed" / "Wrecks Jan 2026.WKZ"));
  EXPECT_FALSE(stdfs::exists(c / "Navlore Download" / "farms.WFZ"));
  EXPECT_TRUE(stdfs::exists(c / "Navlore Download" / "Installed" / "farms.WFZ"));
}

TEST(CliInstall, NothingToInstallIsNoError) {
  TempFolder sandbox;
  const CliResult r = RunCli({"--root", sandbox.Path().string(), "install", "--yes"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "no WKZ package found")) << r.out;
}

TEST(CliInstall, ABrokenPackageIsReportedAndFiledAway) {
  TempFolder sandbox;
  const auto dropped = sandbox.Path() / "C" / "Navlore Download" / "broken.WKZ";
  stdfs::create_directories(dropped.parent_path());
  std::ofstream(dropped) << "not an archive";
  const CliResult r = RunCli({"--root", sandbox.Path().string(), "install", "--yes"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Contains(r.err, "cannot unpack")) << r.err;
  EXPECT_FALSE(stdfs::exists(dropped));
}

TEST(CliArguments, BadInputGivesAClearMessageAndNonZeroStatus) {
  TempFolder sandbox;
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--root", sandbox.Path().string(), "--drive", "E", "folders"}, "--drive wants L=DIR"},
      {{"--root", sandbox.Path().string(), "--drive", "E=/no/such/folder", "folders"}, "is not a folder"},
      {{"--root", sandbox.Path().string(), "--drive", "E=" + sandbox.Path().string() + ",floppy", "folders"},
       "unknown drive type"},
      {{"no-such-command"}, "no-such-command"},
      {{}, "a command is required"},
  };
  for (const auto& c : cases) {
    const CliResult r = RunCli(c.args);
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(Contains(r.err, c.message)) << r.err;
  }
}

TEST(CliArguments, HelpOnEveryCommand) {
  for (const char* command : {"folders", "install"}) {
    const CliResult r = RunCli({command, "--help"});
    EXPECT_EQ(r.status, 0) << command;
    EXPECT_TRUE(Contains(r.out, command)) << r.out;
  }
}

}  // namespace
