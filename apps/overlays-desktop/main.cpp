// overlays-desktop: the desktop host. It installs the machine its --root
// and --drive options describe (as the command-line host does), fills the
// host's lists from what is installed and what the user last had, and
// shows them on the chart, with the position under the pointer on the grid
// its --datum and --grid options choose. Failures are one line on standard error: status
// 1 for what the user can put right, 2 for anything unexpected.

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>

#include "DesktopLists.h"
#include "DesktopOptions.h"
#include "DesktopWindow.h"
#include "ExportMenus.h"
#include "PositionChoice.h"
#include "chart/HostLayers.h"
#include "platform/qt/QtBackend.h"

namespace {

constexpr tagXY kBritishIsles{-3.5 / 57.2957795131, 55.0 / 57.2957795131};

// Qt aborts the process when it finds no display; say so in one line first.
bool DisplayAvailable() {
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* value = std::getenv(variable); value && *value) return true;
  return false;
}

// The bundled coastline: in share/overlays/ beside an installed tree (which
// may move), else in the source tree the build came from.
std::filesystem::path CoastlinePath() {
  const std::filesystem::path built(OVERLAYS_WORLD_COASTLINE);
  const std::filesystem::path installed =
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / "share" / "overlays" /
      built.filename();
  return std::filesystem::exists(installed) ? installed : built;
}

int Fail(int status, const char* message) {
  std::fprintf(stderr, "overlays-desktop: %s\n", message);
  return status;
}

int RunWindow(int argc, char** argv, const desktop::DesktopOptions& options, const desktop::PositionChoice& position) {
  QApplication application(argc, argv);
  // The module's dialogs on screen, with the window system's messages
  // running in Qt's event loop.
  platform::qt::QtBackend backend;
  platform::ui::ScopedBackend installed(backend);
  desktop::DesktopLists lists;
  lists.Load();
  for (const std::string& problem : lists.Problems()) std::fprintf(stderr, "overlays-desktop: %s\n", problem.c_str());
  chart::Chart chart;
  if (!chart::AddHostLayers(chart, lists.lists, CoastlinePath()))
    std::fprintf(stderr, "overlays-desktop: the world coastline %s cannot be read\n", CoastlinePath().c_str());
  desktop::DesktopWindow window(chart, &lists.datum);
  new desktop::ExportMenus(window, chart, lists, position);
  window.show();
  if (options.screenshot.empty()) return QApplication::exec();
  bool saved = false;
  QTimer::singleShot(0, &window, [&] {
    saved = window.grab().save(QString::fromStdString(options.screenshot));
    window.close();
  });
  QApplication::exec();
  return saved ? 0 : Fail(1, ("cannot write the screenshot " + options.screenshot).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  desktop::DesktopOptions options;
  try {
    options = desktop::ParseDesktopOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
      std::fputs(desktop::kDesktopUsage, stdout);
      return 0;
    }
    host::InstallPlatform(options.machine);
    // The grid of the read-out: --datum and --grid for this run (the UTM
    // zone of the British Isles unless --grid names another), else the
    // user's saved choice.
    const desktop::PositionChoice position = desktop::StartingPositionChoice(options.grid, kBritishIsles);
    if (!DisplayAvailable()) return Fail(1, "no display (set DISPLAY, or QT_QPA_PLATFORM=offscreen to run unseen)");
    return RunWindow(argc, argv, options, position);
  } catch (const host::CommandError& e) {
    return Fail(1, e.what());
  } catch (const std::exception& e) {
    return Fail(2, e.what());
  }
}
