// The main job end to end: the demo on the bundled sample, then the wrecks
// commands on the sandbox it leaves behind.

#include <gtest/gtest.h>

#include <sstream>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::RunCli;
using testing_support::TempFolder;
namespace stdfs = std::filesystem;

int CountLines(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

class WrecksCli : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sandbox_ = new TempFolder;
    demo_ = new CliResult(RunCli({"--root", Root(), "demo", "--records", "2"}));
  }
  static void TearDownTestSuite() {
    delete demo_;
    delete sandbox_;
  }
  static std::string Root() { return sandbox_->Path().string(); }

  static TempFolder* sandbox_;
  static CliResult* demo_;
};
TempFolder* WrecksCli::sandbox_ = nullptr;
CliResult* WrecksCli::demo_ = nullptr;

TEST_F(WrecksCli, DemoInstallsAndLoadsTheSample) {
  ASSERT_EQ(demo_->status, 0) << demo_->err;
  const std::string& out = demo_->out;
  EXPECT_TRUE(Contains(out, "install dialog \"Wrecks\"")) << out;
  EXPECT_TRUE(Contains(out, "accepted")) << out;
  EXPECT_TRUE(Contains(out, "database: Sample Wrecks Jan 2026")) << out;
  EXPECT_TRUE(Contains(out, "wrecks: 4000")) << out;
  EXPECT_TRUE(Contains(out, "obstructions: 1000")) << out;
  EXPECT_TRUE(Contains(out, "search centre: 53\xC2\xB0 00'.000N 002\xC2\xB0 00'.000E")) << out;
  EXPECT_TRUE(stdfs::exists(sandbox_->Path() / "C" / "MyData" / "Wrecks" / "Sample Wrecks Jan 2026.WRK"));
  EXPECT_TRUE(stdfs::exists(sandbox_->Path() / "C" / "Navlore Download" / "Installed" / "Sample Wrecks Jan 2026.WKZ"));
}

TEST_F(WrecksCli, LoadSummarisesTheInstalledDatabase) {
  const CliResult r = RunCli({"--root", Root(), "wrecks", "load"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "earliest sunk year: 1700")) << r.out;
  EXPECT_TRUE(Contains(r.out, "search radius: 1.00 NM")) << r.out;
}

TEST_F(WrecksCli, DumpFormats) {
  struct Case {
    const char* format;
    const char* first;
    int lines;
  } cases[] = {
      {"csv", "id,kind,name,latitude,longitude", 4},
      {"geojson", "{\"type\":\"FeatureCollection\"", 5},
  };
  for (const auto& c : cases) {
    const CliResult r = RunCli({"--root", Root(), "wrecks", "dump", "--limit", "3", "--format", c.format});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind(c.first, 0), 0u) << r.out;
    EXPECT_EQ(CountLines(r.out), c.lines) << r.out;
  }
  const CliResult text = RunCli({"--root", Root(), "wrecks", "dump", "--limit", "1"});
  EXPECT_TRUE(Contains(text.out, "100000  ")) << text.out;
  const CliResult all = RunCli({"--root", Root(), "wrecks", "dump", "--format", "csv"});
  EXPECT_EQ(CountLines(all.out), 5001);
}

TEST_F(WrecksCli, NothingInstalledIsAClearError) {
  TempFolder empty;
  const CliResult r = RunCli({"--root", empty.Path().string(), "wrecks", "load"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Contains(r.err, "no wreck database is installed")) << r.err;
  const CliResult bad = RunCli({"--root", empty.Path().string(), "wrecks", "dump", "--format", "xml"});
  EXPECT_NE(bad.status, 0);
}

TEST(InstallCli, WithoutYesTheDialogIsDeclined) {
  TempFolder sandbox;
  // Run the demo's install in a sandbox of its own, then offer the same
  // package again by dropping a copy.
  CliResult demo = RunCli({"--root", sandbox.Path().string(), "demo", "--records", "0"});
  ASSERT_EQ(demo.status, 0) << demo.err;
  const auto installed = sandbox.Path() / "C" / "Navlore Download" / "Installed" / "Sample Wrecks Jan 2026.WKZ";
  const auto dropped = sandbox.Path() / "C" / "Navlore Download" / "again.WKZ";
  stdfs::copy_file(installed, dropped);
  const CliResult r = RunCli({"--root", sandbox.Path().string(), "install"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "declined")) << r.out;
  EXPECT_TRUE(stdfs::exists(dropped));
}

}  // namespace
