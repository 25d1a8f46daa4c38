// The angle commands as a user runs them, in a sandbox so that no real
// settings are read.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::RunCli;

CliResult RunAngle(const std::vector<std::string>& args) {
  static const testing_support::TempFolder sandbox;
  std::vector<std::string> all{"--root", sandbox.Path().string(), "angle"};
  all.insert(all.end(), args.begin(), args.end());
  return RunCli(all);
}

TEST(AngleCli, FormatsAndParsesAsTheModuleDoes) {
  const struct {
    std::vector<std::string> args;
    const char* out;  // UTF-8
  } cases[] = {
      // A negative first argument is a value, not an option; without
      // --format the user's settings decide (none here: format 1, 7 decimals).
      {{"format", "-0.5", "--kind", "1"}, "-028\u00B0 38'.8733854\n"},
      {{"format", "0.9162978572970230", "--kind", "5", "--format", "0", "--decimals", "3"}, "52\u00B0 30' 00\".000N\n"},
      {{"format", "0", "--kind", "5", "--format", "2", "--hemisphere", "s"}, "00\u00B0.000000000S\n"},
      {{"format", "-1", "--kind", "6"}, "n/a\n"},
      {{"parse", "52 30 N", "--kind", "5"}, "0.91629785729700752\n"},
      {{"parse", "-52.5", "--kind", "5"}, "-0.91629785729700752\n"},
      // The degree sign as UTF-8 and as the single Windows-1252 byte.
      {{"parse", "52\u00B0 30' S", "--kind", "5"}, "-0.91629785729700752\n"},
      {{"parse", "52\xB0 30' S", "--kind", "5"}, "-0.91629785729700752\n"},
      {{"parse", "91", "--kind", "5"}, "0\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const CliResult r = RunAngle(c.args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.out);
  }
}

TEST(AngleCli, RefusesWhatIsNoAngleWithAMessage) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"format", "abc", "--kind", "1"}, "not a number of radians"},
      {{"format", "1", "--kind", "10"}, "unknown angle kind 10"},
      {{"format", "1", "--kind", "1", "--format", "6"}, "unknown angle format 6"},
      {{"format", "1", "--kind", "5", "--hemisphere", "Q"}, "not a hemisphere letter"},
      {{"parse", "12", "--kind", "0"}, "unknown angle kind 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CliResult r = RunAngle(c.args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.err, c.message)) << r.err;
  }
}

}  // namespace
