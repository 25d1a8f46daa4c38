// The desktop host as a user runs it: its command line, and a window drawn
// once into a screenshot over an empty sandbox and over one the
// command-line host's demo filled, its view kept for the next run.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

#include "SampleChart.h"
#include "chart/ChartPalette.h"
#include "support/ProgramRunner.h"
#include "support/TestMachine.h"

namespace {

namespace stdfs = std::filesystem;
using testing_support::ProgramResult;

// The host runs unseen, as every test here does, unless told otherwise.
ProgramResult RunDesktop(const std::vector<std::string>& args) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  return testing_support::RunProgram(OVERLAYS_DESKTOP, args);
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A failure says what is wrong in one line on standard error.
TEST(DesktopHost, CommandLineMistakesAreOneLine) {
  const struct { std::vector<std::string> args; int status; const char* out; const char* err; } kCases[] = {
      {{"--help"}, 0, "usage: overlays-desktop", ""},
      {{"--drive", "1=/tmp"}, 1, "", "--drive wants L=DIR"},
      {{"--drive=Q=/no/such/folder"}, 1, "", "is not a folder"},
      {{"--root"}, 1, "", "--root needs a value"},
      {{"--frobnicate"}, 1, "", "unknown argument '--frobnicate'"},
      {{"--grid", "0:30"}, 1, "", "--grid needs --datum"},
      {{"--datum", "0:9999"}, 1, "", "there is no datum 0:9999"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.args.front());
    const ProgramResult r = RunDesktop(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_TRUE(Contains(r.out, c.out)) << r.out;
    EXPECT_TRUE(Contains(r.err, c.err)) << r.err;
    if (c.status != 0) {
      EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
  }
}

int PixelsOf(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += QColor(image.pixel(x, y)) == colour;
  return count;
}

// An empty sandbox shows the coastline and says what it lacks; one the
// demo filled lacks nothing. Either way the window keeps its view in the
// settings for the next run.
TEST(DesktopHost, WindowOverASandbox) {
  const struct { const char* name; bool demo; const char* problem; } kSandboxes[] = {
      {"empty", false, "no wreck database is installed"},
      {"demo", true, nullptr},
  };
  for (const auto& s : kSandboxes) {
    SCOPED_TRACE(s.name);
    testing_support::TempFolder sandbox;
    const std::string root = sandbox.Path().string();
    if (s.demo) {
      ASSERT_EQ(testing_support::RunProgram(OVERLAYS_CLI, {"--root", root, "demo"}).status, 0);
    }
    const std::string screenshot =
        (desktop_test::ScreenshotFolder() / (std::string("chart-window-") + s.name + ".png")).string();
    const ProgramResult r = RunDesktop({"--root", root, "--screenshot", screenshot});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Contains(r.err, "overlays-desktop:"), s.problem != nullptr) << r.err;
    if (s.problem) {
      EXPECT_TRUE(Contains(r.err, s.problem)) << r.err;
    }
    EXPECT_GT(PixelsOf(QImage(QString::fromStdString(screenshot)), chart::kCoastlineColour), 100);
    bool kept = false;
    for (const auto& entry : stdfs::recursive_directory_iterator(sandbox.Path()))
      kept |= entry.path().filename() == "Desktop_Chart.INI";
    EXPECT_TRUE(kept);
  }
}

}  // namespace
