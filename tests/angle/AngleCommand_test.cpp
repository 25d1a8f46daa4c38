// The command-line host's angle command, run as a user runs it, in a
// sandbox folder so that no real settings are read.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/TestMachine.h"

namespace {

const std::filesystem::path kHost = OVERLAYS_BINARY_DIR "/apps/overlays/overlays";

struct CommandResult {
  int status;
  std::string out;  // stdout and stderr together
};

CommandResult Overlays(const testing_support::TempFolder& sandbox, const std::string& arguments) {
  const std::string command =
      "'" + kHost.string() + "' --root '" + sandbox.Path().string() + "' " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  CommandResult run{-1, {}};
  if (!pipe) return run;
  std::array<char, 256> buffer;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class AngleCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kHost)) GTEST_SKIP() << "build overlays_cli first: " << kHost;
  }
  testing_support::TempFolder sandbox_;
};

TEST_F(AngleCommand, FormatsAndParsesAsTheModuleDoes) {
  const struct {
    const char* arguments;
    const char* out;  // UTF-8
  } cases[] = {
      // A negative first argument is a value, not an option; without
      // --format the user's settings decide (none here: format 1, 7 decimals).
      {"angle format -0.5 --kind 1", "-028\u00B0 38'.8733854\n"},
      {"angle format 0.9162978572970230 --kind 5 --format 0 --decimals 3", "52\u00B0 30' 00\".000N\n"},
      {"angle format 0 --kind 5 --format 2 --hemisphere s", "00\u00B0.000000000S\n"},
      {"angle format -1 --kind 6", "n/a\n"},
      {"angle parse '52 30 N' --kind 5", "0.91629785729700752\n"},
      {"angle parse '52,5' --kind 5", "0.91629785729700752\n"},
      {"angle parse -52.5 --kind 5", "-0.91629785729700752\n"},
      // The degree sign as UTF-8 and as the single Windows-1252 byte.
      {"angle parse \"52\u00B0 30' S\" --kind 5", "-0.91629785729700752\n"},
      {"angle parse \"$(printf '52\\260 30\\047 S')\" --kind 5", "-0.91629785729700752\n"},
      {"angle parse 91 --kind 5", "0\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CommandResult run = Overlays(sandbox_, c.arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.out);
  }
}

TEST_F(AngleCommand, RefusesWhatIsNoAngleWithAMessage) {
  const struct {
    const char* arguments;
    const char* message;
  } cases[] = {
      {"angle format abc --kind 1", "not a number of radians"},
      {"angle format 1 --kind 10", "unknown angle kind 10"},
      {"angle format 1 --kind 1 --format 6", "unknown angle format 6"},
      {"angle format 1 --kind 5 --hemisphere Q", "not a hemisphere letter"},
      {"angle parse 12 --kind 0", "unknown angle kind 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CommandResult run = Overlays(sandbox_, c.arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find(c.message), std::string::npos) << run.out;
  }
}

}  // namespace
