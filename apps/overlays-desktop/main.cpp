// overlays-desktop: the desktop host. It installs the machine its --root
// and --drive options describe (as the command-line host does), fills the
// host's lists from what is installed and what the user last had, and
// shows them on the chart.
//   overlays-desktop [--root DIR] [--drive L=DIR[,fixed|removable|cdrom]]...

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "DesktopLists.h"
#include "DesktopWindow.h"
#include "ExportMenus.h"
#include "HostMachine.h"
#include "chart/HostLayers.h"
#include "platform/qt/QtBackend.h"

namespace {

host::Options ParseOptions(const QApplication& application) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("The overlays on a chart."));
  parser.addHelpOption();
  const QCommandLineOption root(QStringLiteral("root"),
                                QStringLiteral("A sandbox folder for every drive and shell folder."),
                                QStringLiteral("DIR"));
  const QCommandLineOption drive(QStringLiteral("drive"),
                                 QStringLiteral("Map a drive letter to a folder: L=DIR[,fixed|removable|cdrom]."),
                                 QStringLiteral("L=DIR"));
  parser.addOption(root);
  parser.addOption(drive);
  parser.process(application);
  host::Options options;
  options.root = parser.value(root).toStdString();
  for (const QString& mapping : parser.values(drive)) options.drives.push_back(mapping.toStdString());
  return options;
}

// The bundled coastline: in the source tree for a build, in share/overlays/
// beside an installed tree (which may move).
std::filesystem::path CoastlinePath() {
  const std::filesystem::path built(OVERLAYS_WORLD_COASTLINE);
  if (std::filesystem::exists(built)) return built;
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / "share" / "overlays" /
         built.filename();
}

// Qt aborts the process when it finds no display; say so in one line first.
bool DisplayAvailable() {
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* value = std::getenv(variable); value && *value) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fprintf(stderr, "overlays-desktop: no display (set DISPLAY, or QT_QPA_PLATFORM=offscreen to run unseen)\n");
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("overlays-desktop"));
  try {
    host::InstallPlatform(ParseOptions(application));
  } catch (const host::CommandError& e) {
    std::fprintf(stderr, "overlays-desktop: %s\n", e.what());
    return 1;
  }
  try {
    // The module's dialogs on screen, with the window system's messages
    // running in Qt's event loop.
    platform::qt::QtBackend backend;
    platform::ui::ScopedBackend installed(backend);
    desktop::DesktopLists lists;
    lists.Load();
    for (const std::string& problem : lists.Problems()) std::fprintf(stderr, "overlays-desktop: %s\n", problem.c_str());
    chart::Chart chart;
    chart::AddHostLayers(chart, lists.lists, CoastlinePath());
    desktop::DesktopWindow window(chart, &lists.datum);
    new desktop::ExportMenus(window, chart, lists);
    window.show();
    return QApplication::exec();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "overlays-desktop: %s\n", e.what());
    return 2;
  }
}
