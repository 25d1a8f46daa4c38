#pragma once
// Writes NADCON grid file pairs (".las", ".los") in NGS's binary layout,
// for hand-made fixtures, fuzz seeds and benchmarks: the 96-byte header
// padded with zeros to one record of 4 x (NC + 1) bytes, then one record
// per row from the south, a zero word and NC float32 shifts.

#include <filesystem>
#include <string>
#include <vector>

#include "geodesy/shift/NadconGridFile.h"

namespace tools {

struct NadconGridPair {
  NadconHeaderDef header;  // written as given, so that a fixture may lie about its counts
  std::vector<float> latShifts;  // arc-seconds, row by row from the south
  std::vector<float> lonShifts;  // arc-seconds, positive west
};

// A pair over [lon0, lon0 + (columns-1) dx] x [lat0, lat0 + (rows-1) dy] whose
// shifts are linear in the node indices (so bilinear interpolation is exact
// on it): lat shift = latBase + row + column / 8, lon shift = lonBase +
// column - row / 4.
NadconGridPair PlaneNadconGrid(int columns, int rows, float lon0, float lat0, float dx, float dy,
                               float latBase = 1, float lonBase = 2);

// One file: the header with the given shifts as its rows of NC values,
// however many rows NR claims.
std::string NadconFileBytes(const NadconHeaderDef& header, const std::vector<float>& shifts);

// "<folder>/<title>.las" and "<folder>/<title>.los"; false when either
// cannot be written.
bool WriteNadconPair(const std::filesystem::path& folder, const std::string& title, const NadconGridPair& grid);

}  // namespace tools
