#pragma once
// The desktop host's command line, read before Qt starts so that a mistake
// is reported in one line, with nothing of Qt's around it:
//   overlays-desktop [--root DIR] [--drive L=DIR[,fixed|removable|cdrom]]...
//                    [--datum FAMILY:ROW[:reverse] [--grid KIND:ROW[:VARIANT]]]
//                    [--screenshot FILE.png]

#include <optional>
#include <string>
#include <vector>

#include "HostDatum.h"
#include "HostMachine.h"

namespace desktop {

struct DesktopOptions {
  host::Options machine;    // --root, --drive as the command-line host takes them
  host::GridOptions grid;   // --datum, --grid likewise: the read-out's grid
  std::string screenshot;  // draw the window once into this file and quit
  bool help = false;
};

inline constexpr char kDesktopUsage[] =
    "usage: overlays-desktop [--root DIR] [--drive L=DIR[,fixed|removable|cdrom]]...\n"
    "                        [--datum FAMILY:ROW[:reverse] [--grid KIND:ROW[:VARIANT]]] [--screenshot FILE.png]\n";

// Throws host::CommandError naming the argument that is not understood,
// the option that lacks its value, or --grid without --datum. `--name
// value` and `--name=value` both.
DesktopOptions ParseDesktopOptions(const std::vector<std::string>& arguments);

}  // namespace desktop
