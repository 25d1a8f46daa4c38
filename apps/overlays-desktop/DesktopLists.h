#pragma once
// The host's lists as the desktop host holds them for its whole run, filled
// at start the way a charting host fills them: the installed wreck
// database through the module's loading, the remembered KML and shape
// files, the installed wind farm package and the sea areas, each with the
// settings the module last saved.

#include <string>
#include <vector>

#include "chart/HostLists.h"
#include "DatumHost.h"

namespace desktop {

class DesktopLists {
 public:
  DesktopLists() = default;
  DesktopLists(const DesktopLists&) = delete;
  DesktopLists& operator=(const DesktopLists&) = delete;

  // Fills every list; what could not be filled is said in `problems`, one
  // line each, and its list stays empty.
  void Load();
  const std::vector<std::string>& Problems() const { return problems_; }

  // The installed wind farm package again (after an install, say).
  void LoadWindFarms();

  chart::HostLists lists;
  // The datum object on the user's datum and grid (PositionChoice);
  // latitude and longitude only until one is applied.
  host::DatumHost position;
  CDatum& datum = position.datum;

 private:
  std::vector<std::string> problems_;
};

}  // namespace desktop
