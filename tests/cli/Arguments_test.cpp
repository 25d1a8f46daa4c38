// The command line itself: exit statuses, global options on either side of
// the command name, help and version.

#include <gtest/gtest.h>

#include <regex>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliCase;
using testing_support::CliResult;
using testing_support::Contains;
using testing_support::ExpectCli;
using testing_support::RunCli;
using testing_support::TempFolder;
namespace stdfs = std::filesystem;

// A mistake on the command line, or a sandbox holding nothing to work on, is
// status 1 whatever CLI11 calls it; help and the version are status 0.
TEST(CliArguments, ExitStatusOfEachKindOfMistake) {
  TempFolder sandbox;
  const std::string root = sandbox.Path().string();
  const CliCase cases[] = {
      {{}, 1, "", "a command is required"},
      {{"no-such-command"}, 1, "", "no-such-command"},
      {{"folders", "--no-such-option"}, 1, "", "--no-such-option"},
      {{"--root"}, 1, "", "--root"},
      {{"geodesic", "1", "2", "3"}, 1, "", "LAT1 LON1 LAT2 LON2"},
      {{"wrecks", "dump", "--limit", "many"}, 1, "", "--limit"},
      {{"folders", "extra"}, 1, "", "extra"},
      {{"wrecks"}, 1, "", "subcommand"},
      {{"--drive", "E", "folders"}, 1, "", "--drive wants L=DIR"},
      {{"--drive", "E=/no/such/folder", "folders"}, 1, "", "is not a folder"},
      {{"--drive", "E=" + root + ",floppy", "folders"}, 1, "", "unknown drive type"},
      {{"--root", root, "icons", "--scale", "2"}, 1, "", "--scale requires --png"},
      {{"--root", root, "icons", "--png", root + "/png", "--scale", "0"}, 1, "", "--scale wants 1 to 16"},
      {{"--root", root, "resources", "--dialog", "1"}, 1, "", "no dialog template 1 in the module"},
      {{"--root", root, "wrecks", "load"}, 1, "", "no wreck database is installed"},
      {{"--help"}, 0, "absent", ""},  // --drive names every drive type
      {{"install", "--help"}, 0, "--yes", ""},
  };
  for (const auto& row : cases) ExpectCli(row);
}

TEST(CliArguments, VersionAndHelpShowNothingOfTheBuild) {
  const CliResult version = RunCli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("overlays [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
  const CliResult demo = RunCli({"demo", "--help"});
  EXPECT_EQ(demo.status, 0);
  EXPECT_FALSE(Contains(demo.out, OVERLAYS_BINARY_DIR)) << demo.out;
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The global options are one setting of the parser; a command without
// arguments, one with negative positionals and one that fails prove it.
TEST(CliArguments, GlobalOptionsOnEitherSideOfTheCommand) {
  const CliCase commands[] = {
      {{"folders"}, 0, "", ""},
      {{"geodesic", "50", "-1", "51", "0"}, 0, "", ""},
      {{"wrecks", "load"}, 1, "", ""},
  };
  TempFolder stick;
  const std::vector<std::string> drive = {"--drive", "E=" + stick.Path().string() + ",removable"};
  for (const auto& command : commands) {
    TempFolder sandbox;
    const auto root = sandbox.Path() / "root";
    const std::vector<std::string> globals = Joined({"--root", root.string()}, drive);
    // After the command: the sandbox is made, so --root was taken.
    const CliResult after = ExpectCli({Joined(command.args, globals), command.status, "", ""});
    EXPECT_TRUE(stdfs::is_directory(root));
    const CliResult before = ExpectCli({Joined(globals, command.args), command.status, "", ""});
    EXPECT_EQ(before.out, after.out);
    // A broken --drive after the command is refused, so --drive was taken.
    ExpectCli(
        {Joined(command.args, {"--root", root.string(), "--drive", "E=/no/such/folder"}), 1, "", "is not a folder"});
    ExpectCli({Joined(command.args, {"--help"}), 0, command.args[0], ""});
  }
}

}  // namespace
