#include "geodesy/catalogue/GridFile.h"

#include "geodesy/userfile/UserFileFormat.h"

namespace {

// Offsets in the block behind the four lines.
constexpr std::size_t kKindOffset = 0, kVariantOffset = 4, kFirstDoubleOffset = 8;
constexpr std::size_t kBlockSize = 64;

bool ReadLines(std::FILE* file, GridFileDef& out) {
  return ReadUserFileLine(file, out.name) && ReadUserFileLine(file, out.zoneName) &&
         ReadUserFileLine(file, out.ellipsoidName) && ReadUserFileLine(file, out.ellipsoidQualifier);
}

// Unsigned in the grid, written as any 32 bits.
std::uint32_t KindOrVariant(const unsigned char* bytes) { return static_cast<std::uint32_t>(LittleEndianInt32(bytes)); }

}  // namespace

bool ReadGridFile(std::FILE* file, GridFileDef& out) {
  unsigned char block[kBlockSize];
  if (!ReadLines(file, out) || !ReadUserFileBlock(file, block, sizeof block)) return false;
  out.kind = KindOrVariant(block + kKindOffset);
  out.variant = KindOrVariant(block + kVariantOffset);
  double* const fields[] = {&out.lat0, &out.lon0, &out.falseEasting, &out.falseNorthing, &out.scale, &out.lat1, &out.lat2};
  for (std::size_t i = 0; i < std::size(fields); ++i)
    *fields[i] = LittleEndianDouble(block + kFirstDoubleOffset + 8 * i);
  return true;
}

bool ReadGridFileKind(std::FILE* file, std::uint32_t& kind) {
  GridFileDef lines;
  unsigned char bytes[4];
  if (!ReadLines(file, lines) || !ReadUserFileBlock(file, bytes, sizeof bytes)) return false;
  kind = KindOrVariant(bytes);
  return true;
}
