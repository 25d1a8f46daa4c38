// Any bytes as a user transformation file: the first byte picks the kind
// (DMF, GSF, GRD), the rest is the file. Read it, complete the affine
// block and run the parameters it gives. Nothing may crash, read past the
// bytes, hang, or grow a name without bound.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "geodesy/datum/DatumFile.h"
#include "geodesy/datum/Helmert.h"
#include "geodesy/userfile/UserFileFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;  // a kind byte and at least one byte of file (fmemopen refuses none)
  const DatumFileFormat& format = kDatumFileFormats[data[0] % std::size(kDatumFileFormats)];
  std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data + 1), size - 1, "rb");
  if (!file) return 0;
  DatumFileDef def;
  const bool read = ReadDatumFile(file, format.kind, def);
  std::fclose(file);
  if (!read) return 0;
  for (const std::string* line : {&def.from, &def.to, &def.area, &def.nearName, &def.nearQualifier, &def.farName,
                                  &def.farQualifier})
    if (line->size() > kMaxUserFileLine) std::abort();
  CompleteAffineBlock(def.grd);
  if (!(def.grd.scale1 > 0 && def.grd.scale2 > 0)) std::abort();
  // The epoch comes from the file, not from the clock of the run.
  def.shift.fixedEpoch = 1;
  double X = 3900000, Y = 300000, Z = 5000000;
  HelmertStep(def.shift, kForward, X, Y, Z);
  HelmertStep(def.shift, kReverse, X, Y, Z);
  return 0;
}
