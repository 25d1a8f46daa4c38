#pragma once
// The two parameter blocks the datum object keeps behind its DatumShiftDef,
// for the user's GSF and GRD transformation files. Both are the files' own
// little-endian bytes, so their layouts are fixed and checked below.

#include <cstddef>
#include <type_traits>

// Three doubles of a GSF file, negated like the Helmert parameters when the
// direction is reversed.
struct GsfBlockDef {
  double values[3] = {};
};

// An affine grid-to-grid transformation (GRD file). Only the rotation, the
// two scales and the matrix made from them have a meaning fixed here; the
// other bytes are kept as read.
struct GrdBlockDef {
  double leading[2] = {};  // offsets 0-15
  double rotation = 0;     // degrees
  double scale1 = 1;       // first axis
  double scale2 = 1;       // second axis
  // cos θ·s1, sin θ·s1, −sin θ·s2, cos θ·s2, made from the three above.
  double matrix[4] = {};
  double trailing[14] = {};  // offsets 72-183
};

static_assert(std::is_trivially_copyable_v<GsfBlockDef> && sizeof(GsfBlockDef) == 24);
static_assert(std::is_trivially_copyable_v<GrdBlockDef> && sizeof(GrdBlockDef) == 184);
static_assert(offsetof(GrdBlockDef, rotation) == 16 && offsetof(GrdBlockDef, scale1) == 24 &&
              offsetof(GrdBlockDef, scale2) == 32 && offsetof(GrdBlockDef, matrix) == 40 &&
              offsetof(GrdBlockDef, trailing) == 72);
