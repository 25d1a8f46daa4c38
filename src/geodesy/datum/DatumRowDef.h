#pragma once
// One built-in datum transformation: the names the user is shown, the
// ellipsoid rows of both sides and the seven Helmert parameters. Rows with
// zero rotations and scale are three-parameter shifts; the grid-shift
// families carry zeros throughout.

#include <cstdint>

#include "geodesy/datum/DatumShiftDef.h"

struct DatumRowDef {
  const char* from;  // Windows-1252, the system's own spellings
  const char* to;
  const char* area;
  std::uint32_t nearRow;  // ellipsoid row of the "From" side
  std::uint32_t farRow;   // ellipsoid row of the "To" side
  double tX, tY, tZ;      // metres
  double rX, rY, rZ;      // arc-seconds
  double s;               // ppm
  std::int32_t convention;

  // Built-in rows never move with time: rates and epochs zero, the
  // time-dependent flag 0 and the fixed-epoch flag 1.
  constexpr DatumShiftDef Shift() const {
    DatumShiftDef p;
    p.tX = tX, p.tY = tY, p.tZ = tZ, p.rX = rX, p.rY = rY, p.rZ = rZ, p.s = s;
    p.convention = convention;
    return p;
  }
};

// The same parameters under other names.
constexpr DatumRowDef Renamed(DatumRowDef row, const char* from, const char* to, const char* area) {
  row.from = from, row.to = to, row.area = area;
  return row;
}
