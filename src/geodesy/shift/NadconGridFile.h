#pragma once
// One NADCON grid file as NGS distributes them: ".las" holds latitude
// shifts, ".los" longitude shifts (positive west), both in arc-seconds.
// Layout (little-endian): a 96-byte header, zeros up to the end of the
// first record, then NR row records, south row first, each a 4-byte word
// and NC float32 shifts running east from XMIN.
//
// Files are untrusted. A header whose counts or spacing make no grid, rows
// that the file does not hold in full, and shifts that are not finite are
// refused before anything is allocated or read past the data.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

inline constexpr std::size_t kNadconHeaderSize = 96;

struct NadconHeaderDef {
  std::string identification;  // 56 characters, trailing blanks removed
  std::string program;         // 8 characters, trailing blanks removed
  std::int32_t columns = 0;    // NC
  std::int32_t rows = 0;       // NR
  std::int32_t levels = 0;     // NZ, 1 in every published file; not used
  float xMin = 0, dx = 0;      // degrees, longitudes negative west
  float yMin = 0, dy = 0;      // degrees
  float angle = 0;             // not used
};

// Reads a whole file from its start: the header and NC x NR shifts, row by
// row from the south. False, with both outputs cleared, when the file is
// refused.
bool ReadNadconGrid(std::FILE* file, NadconHeaderDef& header, std::vector<float>& shifts);

// A ".los" file serves only with the ".las" file of the same nodes.
bool SameNodes(const NadconHeaderDef& a, const NadconHeaderDef& b);
