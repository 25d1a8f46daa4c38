#pragma once
// The host's wind farm lists, as a charting host keeps them: filled from
// the installed package's GeoJSON files, with the settings the module last
// saved read back into them.

#include "windfarm/TurbineList.h"
#include "windfarm/WindFarmBoundaryList.h"

namespace host {

struct LoadedWindFarms {
  // Throws CommandError when no package is installed or a file of it is
  // not what it should be (one line saying which file and what).
  LoadedWindFarms();
  CTurbineList turbines;
  CWindFarmBoundaryList boundaries;
};

}  // namespace host
