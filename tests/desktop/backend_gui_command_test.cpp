// `overlays --gui`: a command runs with its dialogs in real windows and
// prints what it prints without them; with no display it says so in one
// line and fails.

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Lines;
using testing_support::RunCli;
using testing_support::TempFolder;

// Sets or clears one environment variable for its life.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* was = std::getenv(name)) previous_ = was;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedVariable() { previous_ ? setenv(name_, previous_->c_str(), 1) : unsetenv(name_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> previous_;
};

TEST(DesktopGuiCommand, RunsTheCommandWithWindowsOrSaysWhyNot) {
  const TempFolder sandbox;
  const std::string root = sandbox.Path().string();
  ASSERT_EQ(RunCli({"--root", root, "demo"}).status, 0);
  const std::vector<std::string> search = {"--root", root, "wrecks", "search", "--near", "56.3", "2.0", "--radius", "40"};
  const CliResult headless = RunCli(search);
  ASSERT_EQ(headless.status, 0) << headless.err;
  ASSERT_GE(Lines(headless.out).size(), 3u);

  struct Case {
    const char* what;
    std::vector<std::string> args;  // after --gui
    const char* platform;           // QT_QPA_PLATFORM, none for a desktop without a display
    int status;
    std::string out;
    std::string err;  // the start of standard error's one line
  };
  const Case cases[] = {
      {"offscreen: the same rows as without windows", search, "offscreen", 0, headless.out, ""},
      {"a mistake: one line, Qt's own notes left out", {"--root", root, "wrecks", "search", "--radius", "5"},
       "offscreen", 1, "", "overlays: --radius needs a centre"},
      {"no display at all", search, nullptr, 1, "", "overlays: --gui needs a display"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ScopedVariable platform("QT_QPA_PLATFORM", c.platform);
    const ScopedVariable x11("DISPLAY", nullptr);
    const ScopedVariable wayland("WAYLAND_DISPLAY", nullptr);
    std::vector<std::string> args = c.args;
    args.insert(args.begin(), "--gui");
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.out, c.out);
    if (!c.err.empty()) {
      EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
      EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
    }
  }
}

}  // namespace
