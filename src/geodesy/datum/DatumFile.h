#pragma once
// The user's transformation files in the "Global" data folder: seven text
// lines (the "From", "To" and area names, then name and qualifier of the
// "From" and of the "To" ellipsoid), then one binary block whose size and
// meaning depend on the extension:
//   DMF  144 bytes, a DatumShiftDef (Helmert, possibly time-dependent);
//   GSF   24 bytes, three doubles;
//   GRD  184 bytes, an affine grid-to-grid block (GrdBlockDef).
// Files are untrusted: lines are cut at kMaxUserFileLine, exactly the
// block's bytes are read, and a block whose numbers are not finite is
// refused.

#include <cstddef>
#include <cstdio>
#include <string>

#include "geodesy/datum/DatumShiftDef.h"
#include "geodesy/datum/UserShiftBlocks.h"

enum class DatumFileKind { Helmert, ThreeValues, Affine };

struct DatumFileFormat {
  DatumFileKind kind;
  const char* extension;
  std::size_t blockSize;
};

inline constexpr DatumFileFormat kDatumFileFormats[] = {
    {DatumFileKind::Helmert, "DMF", sizeof(DatumShiftDef)},
    {DatumFileKind::ThreeValues, "GSF", sizeof(GsfBlockDef)},
    {DatumFileKind::Affine, "GRD", sizeof(GrdBlockDef)},
};

const DatumFileFormat& FormatOf(DatumFileKind kind);

struct DatumFileDef {
  std::string from, to, area;
  std::string nearName, nearQualifier;  // the "From" ellipsoid
  std::string farName, farQualifier;    // the "To" ellipsoid
  // Only the block of the file's kind is read; the others keep their
  // defaults.
  DatumShiftDef shift;
  GsfBlockDef gsf;
  GrdBlockDef grd;
};

// Reads one file from its start. False when a line or the block is missing
// or the block holds a number that is not finite; `out` is then partly
// filled and must not be used.
bool ReadDatumFile(std::FILE* file, DatumFileKind kind, DatumFileDef& out);

// After loading: a non-positive first scale becomes 1, a non-positive
// second scale takes the first's value, and the matrix is made from the
// rotation and the two scales.
void CompleteAffineBlock(GrdBlockDef& grd);
