#pragma once
// Writes NTv2 grid-shift files for tests, fuzz seeds, benchmarks and the
// derived OSTN15 grid: the overview, then each sub-grid's header and nodes,
// little-endian, with the labels of the published format. The counts the
// reader checks can be overridden to make hostile files.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "geodesy/shift/DataSetDef.h"
#include "geodesy/shift/NTv2File.h"

namespace tools {

struct NTv2FileLayout {
  NTv2Overview overview;
  std::vector<DataSetDef> subGrids;
  // Written instead of the true values when given.
  std::optional<std::int32_t> numOrec;
  std::optional<std::int32_t> numFile;
  std::optional<std::int32_t> gsCount;  // every sub-grid's GS_COUNT
};

std::string NTv2FileBytes(const NTv2FileLayout& layout);

// A sub-grid over an extent (arc-seconds, longitudes positive west) whose
// node shifts come from a function of the node's lat″ and lon″.
using NodeShiftFunction = std::function<GridShiftRecordDef(double latSeconds, double lonSeconds)>;
DataSetDef MakeSubGrid(std::string name, std::string parent, double sLat, double nLat, double eLong, double wLong,
                       double latInc, double longInc, const NodeShiftFunction& shiftAt);

}  // namespace tools
