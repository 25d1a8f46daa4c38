#pragma once
// What the command-line host prints of its wind farm lists (filled as
// LoadedWindFarms.h says).

#include <iosfwd>
#include <string>
#include <vector>

#include "HostDatum.h"
#include "LoadedWindFarms.h"
#include "windfarm/TurbineList.h"
#include "windfarm/WindFarmBoundaryList.h"

namespace host {

// The settings file of a group as the module wrote it, after its Windows
// path, each line indented.
void PrintSettingsFile(std::ostream& out, const char* group);

// The table shows the datum's (0, 0) for a position it cannot place (one
// outside its grids) as it is; the reader is told why on standard error.
void WarnWhereOffGrid(DatumHost* holder, const std::vector<tagXY>& positions, const GridOptions& options);

}  // namespace host
