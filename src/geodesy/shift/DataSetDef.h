#pragma once
// One NTv2 sub-grid: its header and its nodes. Extents and increments are
// in arc-seconds with longitudes positive west, so E_LONG < W_LONG.

#include <string>
#include <vector>

#include "geodesy/shift/GridShiftRecordDef.h"

struct DataSetDef {
  std::string name;    // SUB_NAME without surrounding blanks
  std::string parent;  // PARENT likewise; "NONE" at the top level
  double sLat = 0, eLong = 0, nLat = 0, wLong = 0;
  double latInc = 0, longInc = 0;
  // Row by row from the south, each row from E_LONG westwards.
  std::vector<GridShiftRecordDef> records;
};
