#pragma once
// The host's wind farm lists, as a charting host keeps them: filled from
// the installed package's GeoJSON files, with the settings the module last
// saved read back into them.

#include <iosfwd>
#include <string>
#include <vector>

#include "HostDatum.h"
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

// The settings file of a group as the module wrote it, after its Windows
// path, each line indented.
void PrintSettingsFile(std::ostream& out, const char* group);

// The table shows the datum's (0, 0) for a position it cannot place (one
// outside its grids) as it is; the reader is told why on standard error.
void WarnWhereOffGrid(DatumHost* holder, const std::vector<tagXY>& positions, const GridOptions& options);

}  // namespace host
