#include "SampleListTable.h"

#include <cstdio>

namespace tools {

platform::companions::ListTable SampleWreckTable(int rows) {
  platform::companions::ListTable table{
      "Wrecks Found", {{"No.", 50, true}, {"Name", 160, false}, {"Position\n(WGS 84)", 160, false}}, {}};
  table.rows.reserve(static_cast<std::size_t>(rows));
  for (int r = 1; r <= rows; ++r) {
    char position[32];
    std::snprintf(position, sizeof position, "%02d\xB0 %02d.%03d' N", 50 + r % 10, r % 60, r % 1000);
    table.rows.push_back({std::to_string(r), "Wreck " + std::to_string(r), position});
  }
  return table;
}

}  // namespace tools
