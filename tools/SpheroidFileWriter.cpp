#include "SpheroidFileWriter.h"

#include "LittleEndian.h"

namespace tools {

std::string SpheroidFileBytes(const SpheroidFileDef& contents, const char* lineEnd) {
  std::string out = contents.name + lineEnd + contents.qualifier + lineEnd;
  AppendLittleEndian(out, contents.a);
  AppendLittleEndian(out, contents.b);
  AppendLittleEndian(out, contents.invFlattening);
  return out;
}

}  // namespace tools
