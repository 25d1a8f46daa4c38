#include "geodesy/ellipsoid/SpheroidFile.h"

#include "geodesy/userfile/UserFileFormat.h"

bool ReadSpheroidFile(std::FILE* file, SpheroidFileDef& out) {
  if (!ReadUserFileLine(file, out.name) || !ReadUserFileLine(file, out.qualifier)) return false;
  unsigned char block[24];
  if (!ReadUserFileBlock(file, block, sizeof block)) return false;
  out.a = LittleEndianDouble(block);
  out.b = LittleEndianDouble(block + 8);
  out.invFlattening = LittleEndianDouble(block + 16);
  return true;
}
