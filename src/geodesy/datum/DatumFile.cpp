#include "geodesy/datum/DatumFile.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/userfile/UserFileFormat.h"

// One buffer serves every kind.
static_assert(sizeof(GrdBlockDef) >= sizeof(DatumShiftDef) && sizeof(GrdBlockDef) >= sizeof(GsfBlockDef));

namespace {

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// The numbers the datum object computes with; padding, flags and the GRD
// bytes whose use is not fixed may hold anything.
bool HasFiniteParameters(const DatumFileDef& d, DatumFileKind kind) {
  switch (kind) {
    case DatumFileKind::Helmert: {
      const DatumShiftDef& p = d.shift;
      return AllFinite({p.tX, p.tY, p.tZ, p.rX, p.rY, p.rZ, p.s, p.dtX, p.dtY, p.dtZ, p.drX, p.drY, p.drZ, p.ds,
                        p.referenceEpoch, p.epochOfUse});
    }
    case DatumFileKind::ThreeValues:
      return AllFinite({d.gsf.values[0], d.gsf.values[1], d.gsf.values[2]});
    case DatumFileKind::Affine:
      return AllFinite({d.grd.rotation, d.grd.scale1, d.grd.scale2});
  }
  return false;
}

void* BlockOf(DatumFileDef& d, DatumFileKind kind) {
  switch (kind) {
    case DatumFileKind::Helmert: return &d.shift;
    case DatumFileKind::ThreeValues: return &d.gsf;
    case DatumFileKind::Affine: return &d.grd;
  }
  return nullptr;
}

}  // namespace

const DatumFileFormat& FormatOf(DatumFileKind kind) {
  for (const auto& format : kDatumFileFormats)
    if (format.kind == kind) return format;
  return kDatumFileFormats[0];
}

bool ReadDatumFile(std::FILE* file, DatumFileKind kind, DatumFileDef& out) {
  for (std::string* line : {&out.from, &out.to, &out.area, &out.nearName, &out.nearQualifier, &out.farName,
                            &out.farQualifier})
    if (!ReadUserFileLine(file, *line)) return false;
  // Read into bytes first: the blocks are trivially copyable and the
  // machine is little-endian (DatumShiftDef.h), so a copy is the decoding.
  unsigned char bytes[sizeof(GrdBlockDef)];
  const std::size_t size = FormatOf(kind).blockSize;
  if (!ReadUserFileBlock(file, bytes, size)) return false;
  std::memcpy(BlockOf(out, kind), bytes, size);
  return HasFiniteParameters(out, kind);
}

void CompleteAffineBlock(GrdBlockDef& grd) {
  if (!(grd.scale1 > 0)) grd.scale1 = 1;
  if (!(grd.scale2 > 0)) grd.scale2 = grd.scale1;
  const double theta = grd.rotation * kRadiansPerDegree;
  const double c = std::cos(theta), s = std::sin(theta);
  grd.matrix[0] = c * grd.scale1;
  grd.matrix[1] = s * grd.scale1;
  grd.matrix[2] = -s * grd.scale2;
  grd.matrix[3] = c * grd.scale2;
}
