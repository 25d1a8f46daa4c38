#include "WindFarmHost.h"

#include <fstream>
#include <iostream>

#include "Host.h"
#include "frame/ConfigFile.h"
#include "platform/fs/FileSystem.h"

namespace host {
void PrintSettingsFile(std::ostream& out, const char* group) {
  const std::string path = CConfigFile().GetFilePath(group);
  out << Out(path) << ":\n";
  std::ifstream in(platform::fs::ToHost(path).value_or(""));
  for (std::string line; std::getline(in, line);) out << "  " << Out(line) << "\n";
}

void WarnWhereOffGrid(DatumHost* holder, const std::vector<tagXY>& positions, const GridOptions& options) {
  if (!holder || holder->datum.Family() == -1) return;
  std::size_t off = 0;
  for (const tagXY& p : positions) {
    const tagXY grid = holder->datum.LatLonToGrid(p);
    off += grid.x == 0 && grid.y == 0;
  }
  if (off > 0)
    std::cerr << "warning: datum " << *options.datum << " gives no grid position for " << off << " of "
              << positions.size() << " positions (outside its grids); the table shows 0.000 for them\n";
}

}  // namespace host
