#pragma once
// Reader of NTv2 grid-shift files (little-endian): an overview header of
// eleven 16-byte records, then per sub-grid a header of eleven records and
// its GS_COUNT node records of 16 bytes.
//
// The file is untrusted: every count is checked against the bytes that are
// left before anything is allocated, and a file that breaks any rule below
// is refused whole (no partial list of sub-grids). Rules: the overview and
// each sub-grid header have 11 records; 1 <= NUM_FILE and every sub-grid's
// header fits; extents and increments are finite, the increments positive,
// N_LAT >= S_LAT and W_LONG >= E_LONG; GS_COUNT equals the rows times the
// columns the extent and increments give, and its nodes fit in the file;
// every latitude and longitude shift is finite.
//
// Quirks of real files, accepted: SYSTEM_F/SYSTEM_T labelled DATUM_F/DATUM_T
// (values are read by position, labels are not compared beyond NUM_OREC);
// names with leading blanks (trimmed on both sides, so a PARENT written with
// the same blanks still matches); duplicate names; free-text VERSION.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "geodesy/shift/DataSetDef.h"

struct NTv2Overview {
  std::string gsType, version, systemF, systemT;
  double majorF = 0, minorF = 0, majorT = 0, minorT = 0;  // metres
};

struct NTv2Grids {
  NTv2Overview overview;
  std::vector<DataSetDef> subGrids;  // in file order
};

// A sub-grid with its nodes' shifts alone.
struct ShiftGridDef {
  DataSetDef header;  // its records stay empty
  std::vector<NodeShiftDef> shifts;
};

struct NTv2ShiftGrids {
  NTv2Overview overview;
  std::vector<ShiftGridDef> subGrids;
};

// Whether a sub-grid keeps the rules above: a usable extent and spacing,
// as many nodes as they imply, and finite shifts.
OVERLAYS_API bool IsWellFormed(const DataSetDef& subGrid);

// `size` is the number of bytes from the file's position to its end.
OVERLAYS_API std::optional<NTv2Grids> ReadNTv2(std::FILE* file, std::uint64_t size);
// A file named by its Windows path.
OVERLAYS_API std::optional<NTv2Grids> ReadNTv2File(std::string_view path);

// The same rules, keeping each node's shifts alone.
OVERLAYS_API std::optional<NTv2ShiftGrids> ReadNTv2Shifts(std::FILE* file, std::uint64_t size);
OVERLAYS_API std::optional<NTv2ShiftGrids> ReadNTv2ShiftsFile(std::string_view path);
