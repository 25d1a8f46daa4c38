#pragma once
// The desktop host's command line, read before Qt starts so that a mistake
// is reported in one line, with nothing of Qt's around it:
//   overlays-desktop [--root DIR] [--drive L=DIR[,fixed|removable|cdrom]]...
//                    [--screenshot FILE.png]

#include <optional>
#include <string>
#include <vector>

#include "HostMachine.h"

namespace desktop {

struct DesktopOptions {
  host::Options machine;  // --root, --drive as the command-line host takes them
  std::string screenshot;  // draw the window once into this file and quit
  bool help = false;
};

inline constexpr char kDesktopUsage[] =
    "usage: overlays-desktop [--root DIR] [--drive L=DIR[,fixed|removable|cdrom]]... [--screenshot FILE.png]\n";

// Throws host::CommandError naming the argument that is not understood or
// the option that lacks its value. `--name value` and `--name=value` both.
DesktopOptions ParseDesktopOptions(const std::vector<std::string>& arguments);

}  // namespace desktop
